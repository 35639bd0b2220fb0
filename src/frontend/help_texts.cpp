#include "frontend/help_texts.h"

#include "platform/cp1251.h"

namespace vontra {
namespace {

constexpr int kTitleStyle = 15;
constexpr int kHeadingStyle = 16;
constexpr int kBodyStyle = 17;
constexpr int kCreditsTitleStyle = 18;

void AddBody(std::vector<HelpLine>& lines, int firstY,
             std::initializer_list<std::string_view> body) {
  int y = firstY;
  for (std::string_view text : body) {
    lines.push_back({kBodyStyle, 55, y, std::string(text)});
    y += 18;
  }
}

}  // namespace

std::vector<HelpLine> HelpPageLines(int page, std::string_view homePage) {
  std::vector<HelpLine> lines;
  auto title = [&](std::string_view text) {
    lines.push_back({kTitleStyle, 55, 135, std::string(text)});
  };
  switch (page) {
    case 1:
      title("ОПИСАНИЕ ИГРЫ"_w1251);
      AddBody(lines, 180,
              {"   \"Vontra\" это захватывающая гонка-стрелялка для"_w1251,
               "любителей высоких скоростей. Ты за рулем гоночной"_w1251,
               "супермашины с оружием на борту. Твой путь преграждают"_w1251,
               "сумасшедшие велосипедисты бросающиеся под колеса, бугры,"_w1251,
               "ухабы, лужи и такие же, как и ты, автолюбители на боевых"_w1251,
               "гоночных машинках. Нужно проехать все без аварий, уничтожить"_w1251,
               "препятствия и финишировать первым. Не забывай про"_w1251,
               "ограничения во времени и собирай бонусы!"_w1251,
               "   Думаешь, что это как семечки щелкать? Тогда садись за"_w1251,
               "руль и докажи!"_w1251});
      break;
    case 2: {
      title("БОНУСЫ"_w1251);
      const std::pair<int, std::string_view> labels[] = {
          {195, "Пулемёт"_w1251},         {245, "Двойной пулемёт"_w1251},
          {295, "Ракетница"_w1251},       {345, "Двойная ракетница"_w1251},
          {195, "Мега бомба"_w1251},      {245, "Энергия"_w1251},
          {295, "Супер двигатель"_w1251}, {345, "Броня"_w1251}};
      for (size_t i = 0; i < std::size(labels); ++i) {
        lines.push_back(
            {kHeadingStyle, i < 4 ? 100 : 355, labels[i].first, std::string(labels[i].second)});
      }
      break;
    }
    case 3:
      title("УПРАВЛЕНИЕ"_w1251);
      lines.push_back({kHeadingStyle, 55, 180, std::string("УПРАВЛЕНИЕ В МЕНЮ"_w1251)});
      AddBody(
          lines, 216,
          {"Используйте клавишы курсора или мышь чтобы перемещать"_w1251,
           "курсор вверх или вниз."_w1251,
           "Нажмите клавишу \"Enter\" или любую кнопку мыши чтобы"_w1251, "зайти в подменю."_w1251,
           "Нажимайте левую или правую стрелку, \"Enter\" или любую"_w1251,
           "кнопку мыши чтобы переключить опцию."_w1251,
           "Нажмите \"Esc\" чтобы вернуться из подменю обратно в меню."_w1251});
      break;
    case 4:
      title("УПРАВЛЕНИЕ"_w1251);
      lines.push_back({kHeadingStyle, 55, 180, std::string("УПРАВЛЕНИЕ В ИГРЕ"_w1251)});
      AddBody(lines, 216,
              {"Используйте стрелки влево/вправо для перемещения машинки"_w1251,
               "влево и вправо."_w1251,
               "Используйте стрелки вверх/вних чтобы увеличить/уменьшить"_w1251,
               "скорость машинки."_w1251, "Нажмите \"Space\" или \"Ctrl\" чтобы выстрелить."_w1251,
               "Нажмите клавишу \"Enter\" или \"Shift\" чтобы использовать"_w1251,
               "мегабомбу."_w1251, "Для паузы в игре нажмите \"P\"."_w1251,
               "Для выхода из игры в главное меню нажмите \"Esc\"."_w1251,
               "Для смены режима экрана нажмите \"Alt\"+\"Enter\"."_w1251});
      break;
    case 5:
      title("ОБ ИГРЕ"_w1251);
      lines.push_back({kCreditsTitleStyle, 217, 237, "Vontra"});
      lines.push_back({kHeadingStyle, 235, 267, std::string("Сделано командой Vontra"_w1251)});
      lines.push_back({kHeadingStyle, 217, 297, std::string(homePage)});
      break;
    default:
      break;
  }
  return lines;
}

}  // namespace vontra
