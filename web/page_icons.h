#pragma once

#include <array>
#include <string_view>

// The page's home-screen icons: the native build paints them (Qt does not run
// in the browser) and the manifest lists them, both from this table.
namespace stereona::web {

struct PageIcon {
  std::string_view file;
  int size;       // pixels, square
  bool maskable;  // drawn inside the circle a launcher may cut it to
};

inline constexpr std::array<PageIcon, 3> kPageIcons = {{
    {"icon-192.png", 192, false},
    {"icon-512.png", 512, false},
    {"maskable-512.png", 512, true},
}};

}  // namespace stereona::web
