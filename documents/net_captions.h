#pragma once

#include <string_view>

// Every caption of «Развивка», as both faces show it: the window's title
// and menu item, the parts' names and the controls' captions.
namespace stereona::documents {

struct NetCaptions {
  std::string_view title = "Развивка";
  std::string_view menuItem = "Развивка…";   // opens the window or view
  std::string_view menuShortcut = "Ctrl+R";  // the desktop's, in Qt's notation
  std::string_view solid = "Тялото по мерките";
  std::string_view net = "Развивка";
  std::string_view working = "Повърхнина";
  std::string_view unit = "Мерна единица";
  std::string_view print = "Печат…";
  std::string_view savePdf = "Запази като PDF…";
  std::string_view close = "Затвори";
  std::string_view fileName = "развивка";  // suggested for the PDF
};
inline constexpr NetCaptions kNetCaptions{};

}  // namespace stereona::documents
