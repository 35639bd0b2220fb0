#include "frontend/help_texts.h"

#include <algorithm>

#include "frontend/font_styles.h"
#include "frontend/text_fit.h"
#include "platform/cp1251.h"

namespace vontra {
namespace {

constexpr int kTitleStyle = 15;
constexpr int kHeadingStyle = 16;
constexpr int kBodyStyle = 17;
constexpr int kCreditsTitleStyle = 18;
constexpr int kLeft = 55;
// The title band ends left of the panel's question-mark emblem.
constexpr int kTitleRight = 455;
constexpr int kLabelGap = 8;
constexpr int kSmallestBodyStep = 15;

class PageBuilder {
 public:
  explicit PageBuilder(const StyledTextWidth& width) : width_(width) {}

  // One line at (x, y), smaller if it would cross `right`.
  void Line(int style, int x, int y, std::string_view text, int right = kHelpTextRight) {
    const int own = OwnPixels(style);
    const std::string line(text);
    const int pixels = FitPixelSize(At(style), line, own, right - x);
    lines_.push_back({style, x, y, line, pixels});
  }

  // Paragraphs in the body style, broken into lines that end inside the panel, one after
  // another from `top`.
  void Body(int top, std::initializer_list<std::string_view> paragraphs) {
    const int pixels = OwnPixels(kBodyStyle);
    std::vector<std::string> lines;
    for (std::string_view paragraph : paragraphs) {
      for (std::string& line :
           BreakIntoLines(At(kBodyStyle), std::string(paragraph), pixels, kHelpTextRight - kLeft)) {
        lines.push_back(std::move(line));
      }
    }
    // Wider faces need more lines: draw them closer rather than over the button deck.
    const int count = static_cast<int>(lines.size());
    const int step =
        count * kHelpBodyStep <= kHelpTextBottom - top
            ? kHelpBodyStep
            : std::max(kSmallestBodyStep, (kHelpTextBottom - top) / std::max(count, 1));
    int y = top;
    for (const std::string& line : lines) {
      Line(kBodyStyle, kLeft, y, line);
      y += step;
    }
  }

  std::vector<HelpLine> Take() { return std::move(lines_); }

 private:
  static int OwnPixels(int style) { return PointsToPixels(kFontStyles[style].SizePt); }
  TextWidthAt At(int style) const {
    return
        [this, style](const std::string& text, int pixels) { return width_(style, pixels, text); };
  }

  const StyledTextWidth& width_;
  std::vector<HelpLine> lines_;
};

}  // namespace

std::vector<HelpLine> HelpPageLines(int page, std::string_view homePage,
                                    const StyledTextWidth& width) {
  PageBuilder b(width);
  auto title = [&](std::string_view text) { b.Line(kTitleStyle, kLeft, 135, text, kTitleRight); };
  switch (page) {
    case 1:
      title("ОПИСАНИЕ ИГРЫ"_w1251);
      b.Body(180,
             {"   \"Vontra\" это захватывающая гонка-стрелялка для любителей высоких "
              "скоростей. Ты за рулем гоночной супермашины с оружием на борту. Твой путь "
              "преграждают сумасшедшие велосипедисты бросающиеся под колеса, бугры, "
              "ухабы, лужи и такие же, как и ты, автолюбители на боевых гоночных "
              "машинках. Нужно проехать все без аварий, уничтожить препятствия и "
              "финишировать первым. Не забывай про ограничения во времени и собирай "
              "бонусы!"_w1251,
              "   Думаешь, что это как семечки щелкать? Тогда садись за руль и докажи!"_w1251});
      break;
    case 2: {
      title("БОНУСЫ"_w1251);
      const std::pair<int, std::string_view> labels[] = {
          {195, "Пулемёт"_w1251},         {245, "Двойной пулемёт"_w1251},
          {295, "Ракетница"_w1251},       {345, "Двойная ракетница"_w1251},
          {195, "Мега бомба"_w1251},      {245, "Энергия"_w1251},
          {295, "Супер двигатель"_w1251}, {345, "Броня"_w1251}};
      for (size_t i = 0; i < std::size(labels); ++i) {
        // The left column's labels end before the right column's icons.
        const bool left = i < 4;
        b.Line(kHeadingStyle, left ? 100 : 355, labels[i].first, labels[i].second,
               left ? kHelpIconColumn2 - kLabelGap : kHelpTextRight);
      }
      break;
    }
    case 3:
      title("УПРАВЛЕНИЕ"_w1251);
      b.Line(kHeadingStyle, kLeft, 180, "УПРАВЛЕНИЕ В МЕНЮ"_w1251);
      b.Body(216, {"Используйте клавишы курсора или мышь чтобы перемещать курсор вверх или "
                   "вниз."_w1251,
                   "Нажмите клавишу \"Enter\" или любую кнопку мыши чтобы зайти в подменю."_w1251,
                   "Нажимайте левую или правую стрелку, \"Enter\" или любую кнопку мыши чтобы "
                   "переключить опцию."_w1251,
                   "Нажмите \"Esc\" чтобы вернуться из подменю обратно в меню."_w1251});
      break;
    case 4:
      title("УПРАВЛЕНИЕ"_w1251);
      b.Line(kHeadingStyle, kLeft, 180, "УПРАВЛЕНИЕ В ИГРЕ"_w1251);
      b.Body(216,
             {"Используйте стрелки влево/вправо для перемещения машинки влево и вправо."_w1251,
              "Используйте стрелки вверх/вних чтобы увеличить/уменьшить скорость машинки."_w1251,
              "Нажмите \"Space\" или \"Ctrl\" чтобы выстрелить."_w1251,
              "Нажмите клавишу \"Enter\" или \"Shift\" чтобы использовать мегабомбу."_w1251,
              "Для паузы в игре нажмите \"P\"."_w1251,
              "Для выхода из игры в главное меню нажмите \"Esc\"."_w1251,
              "Для смены режима экрана нажмите \"Alt\"+\"Enter\"."_w1251});
      break;
    case 5:
      title("ОБ ИГРЕ"_w1251);
      b.Line(kCreditsTitleStyle, 217, 237, "Vontra");
      b.Line(kHeadingStyle, 235, 267, "Сделано командой Vontra"_w1251);
      b.Line(kHeadingStyle, 217, 297, homePage);
      break;
    default:
      break;
  }
  return b.Take();
}

}  // namespace vontra
