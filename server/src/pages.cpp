#include "pages.h"

#include <ctime>

namespace vontra::scores {
namespace {

constexpr const char* kTabTitles[] = {"За всё время", "За неделю", "Сегодня"};

std::string Head(std::string_view title) {
  std::string html =
      "<!DOCTYPE html>\n<html lang=\"ru\"><head><meta charset=\"utf-8\">"
      "<meta name=\"viewport\" content=\"width=device-width\"><link rel=\"stylesheet\" "
      "href=\"/style.css\"><title>";
  html += title;
  html += "</title></head><body>\n";
  return html;
}

std::string Date(int64_t time) {
  const auto t = static_cast<std::time_t>(time);
  std::tm tm{};
  gmtime_r(&t, &tm);
  char text[16];
  std::strftime(text, sizeof text, "%d.%m.%Y", &tm);
  return text;
}

std::string TableUrl(Period period, int64_t page) {
  std::string url =
      "/cgi/version.pl?prg=Vontra&amp;show&amp;type=" + std::to_string(static_cast<int>(period));
  if (page > 0) url += "&amp;page=" + std::to_string(page);
  return url;
}

void AppendRows(std::string& html, const std::vector<TableRow>& rows, std::string_view highlight) {
  html +=
      "<table "
      "class=\"scores\"><thead><tr><th>Место</th><th>Имя</th><th>Очки</th><th>Дата</th></tr></"
      "thead><tbody>\n";
  for (const TableRow& row : rows) {
    html += row.name == highlight ? "<tr class=\"me\">" : "<tr>";
    html += "<td>" + std::to_string(row.rank) + "</td><td class=\"name\">" + EscapeHtml(row.name) +
            "</td><td>" + std::to_string(row.score) + "</td><td>" + Date(row.time) + "</td></tr>\n";
  }
  if (rows.empty()) html += "<tr><td colspan=\"4\">Пока ни одного результата</td></tr>\n";
  html += "</tbody></table>\n";
}

}  // namespace

std::string EscapeHtml(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&#39;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string RenderTablePage(const TableView& view) {
  std::string html = Head("Вонтра — мировая таблица");
  html += "<header class=\"panel\"><h1>Мировая таблица рекордов</h1><nav class=\"tabs\">";
  for (int p = 0; p < 3; ++p) {
    html += static_cast<int>(view.period) == p ? "<a class=\"tab on\" href=\""
                                               : "<a class=\"tab\" href=\"";
    html += TableUrl(static_cast<Period>(p), 0) + "\">" + kTabTitles[p] + "</a>";
  }
  html += "</nav></header>\n<main class=\"panel\">";
  if (view.name) {
    html += "<p class=\"lookup\">Игрок <b>" + EscapeHtml(*view.name) + "</b>: ";
    html +=
        view.nameRank ? "место " + std::to_string(*view.nameRank) : std::string("нет результатов");
    html += "</p>\n";
  }
  AppendRows(html, view.rows, view.name.value_or(std::string()));
  html += "<nav class=\"pages\">";
  if (view.page > 0)
    html +=
        "<a class=\"button\" href=\"" + TableUrl(view.period, view.page - 1) + "\">← Назад</a> ";
  if (static_cast<int64_t>(view.rows.size()) == kRowsPerPage && !view.name) {
    html +=
        "<a class=\"button\" href=\"" + TableUrl(view.period, view.page + 1) + "\">Дальше →</a>";
  }
  html += "</nav><p><a href=\"/\">На главную</a></p></main></body></html>\n";
  return html;
}

std::string RenderHomePage(const std::vector<TableRow>& top) {
  std::string html = Head("Вонтра — гонки со стрельбой");
  html +=
      "<header class=\"panel\"><h1>Вонтра</h1><p>Аркадные гонки со стрельбой с видом сверху: "
      "обгоняйте соперников, сбивайте их с трассы и собирайте призы. Лучшие результаты игра "
      "присылает сюда, в мировую таблицу.</p></header>\n<main class=\"panel\">"
      "<img class=\"race\" src=\"/race.png\" alt=\"Гонка\" width=\"640\">"
      "<h2>Десятка лучших</h2>\n";
  AppendRows(html, top, {});
  html +=
      "<p><a class=\"button\" href=\"/cgi/version.pl?prg=Vontra&amp;show&amp;type=0\">Мировая "
      "таблица</a> <a class=\"button\" "
      "href=\"/install\">Как установить</a></p></main></body></html>\n";
  return html;
}

std::string RenderInstallPage() {
  std::string html = Head("Вонтра — установка");
  html +=
      "<main class=\"panel\"><h1>Как установить</h1><p>Вонтра собирается из исходников на "
      "Debian и похожих системах:</p><pre>scripts/install-deps\nscripts/build build\ncd build "
      "&amp;&amp; ./vontra</pre><p>Чтобы игра присылала результаты на этот сервер, задайте при "
      "сборке <code>-DVONTRA_SERVICE_HOST=http://адрес-сервера</code>.</p><p><a "
      "href=\"/\">На главную</a></p></main></body></html>\n";
  return html;
}

std::string RenderStylesheet() {
  // The menus' colours: orange on dark blue-grey.
  return "body{margin:0;padding:16px;background:#10141c;color:#ffcf72;font-family:'DejaVu Sans',"
         "Verdana,sans-serif}\n"
         ".panel{max-width:760px;margin:0 auto 16px;padding:16px "
         "24px;background:#232b38;border:2px "
         "solid #0a0d12;border-radius:8px;box-shadow:inset 0 1px 0 #3a4658}\n"
         "h1,h2{color:#f7a600;margin:0 0 12px}a{color:#f7a600}\n"
         ".tabs,.pages{margin-top:8px}.tab,.button{display:inline-block;padding:6px 14px;margin:0 "
         "6px 6px 0;background:#3a4658;color:#ffcf72;text-decoration:none;border-radius:4px;"
         "border:1px solid #0a0d12}\n"
         ".tab.on,.button{background:#f7a600;color:#10141c;font-weight:bold}\n"
         "table.scores{width:100%;border-collapse:collapse}th{color:#f7a600;text-align:left;"
         "border-bottom:2px solid #f7a600}td,th{padding:4px 8px}tr:nth-child(even) "
         "td{background:#1b222d}tr.me td{background:#5a3d00;color:#fff}\n"
         "td.name{white-space:pre}img.race{max-width:100%;height:auto;border:2px solid #0a0d12}\n";
}

}  // namespace vontra::scores
