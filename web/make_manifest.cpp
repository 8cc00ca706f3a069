// Writes the page's web app manifest, which lets a phone add the page to its
// home screen: named after the window's title, in the window's colours
// through the page's own CSS mapping, with the icons the native build paints.
// Built for WebAssembly and run under Node at build time, beside the page.
//
//   stereona_manifest OUTPUT
#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>
#include <utility>

#include "form/back_colour.h"
#include "form/control_arrays.h"
#include "form/layout_table.h"
#include "web/css_colour.h"
#include "web/page_icons.h"

namespace {

using stereona::form::kLayout;

std::string Quoted(std::string_view text) {
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + '"';
}

std::string Icon(const stereona::web::PageIcon& icon) {
  const std::string size = std::to_string(icon.size);
  return "{\"src\": " + Quoted(icon.file) + ", \"sizes\": \"" + size + "x" + size +
         "\", \"type\": \"image/png\", \"purpose\": \"" + (icon.maskable ? "maskable" : "any") +
         "\"}";
}

std::string Manifest() {
  using stereona::web::CssColour;
  const std::string title = Quoted(kLayout[stereona::form::kLabel1[0]].text);
  std::string icons;
  for (const stereona::web::PageIcon& icon : stereona::web::kPageIcons) {
    icons += (icons.empty() ? "[\n    " : ",\n    ") + Icon(icon);
  }
  // Member and JSON value, in the order a reader expects them.
  const std::pair<std::string_view, std::string> members[] = {
      {"name", title},
      {"short_name", title},
      {"description", Quoted(stereona::form::kFormCaption)},
      {"lang", Quoted("bg")},
      {"dir", Quoted("ltr")},
      {"start_url", Quoted("stereona.html")},
      {"scope", Quoted("./")},
      {"display", Quoted("standalone")},
      {"theme_color", Quoted(CssColour(stereona::form::kOptionBack))},
      {"background_color", Quoted(CssColour(stereona::form::kFormBack))},
      {"icons", icons + "\n  ]"},
  };
  std::string manifest = "{";
  for (const auto& [name, value] : members) {
    manifest += (manifest.size() > 1 ? ",\n  " : "\n  ") + Quoted(name) + ": " + value;
  }
  return manifest + "\n}\n";
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT\n", argv[0]);
    return 2;
  }
  std::ofstream output(argv[1], std::ios::binary);
  output << Manifest();
  if (!output.flush()) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
