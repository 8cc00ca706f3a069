#pragma once

class QPagedPaintDevice;
class QWidget;

// What the window asks of its print module, which it loads on first use so
// that Qt's print support and Qt SVG stay out of the start-up.
namespace stereona::window {

// Prints the HTML document (UTF-8): a print preview of A4 pages with the
// printer dialog, or a message in Bulgarian when no printer is installed.
using PrintModuleFunction = void (*)(QWidget* parent, const char* htmlUtf8);

// Paints the HTML document (UTF-8) on the device's pages, its inline SVG
// drawn as vectors at their size; the device's page is set up already.
using PaintModuleFunction = void (*)(QPagedPaintDevice* device, const char* htmlUtf8);

inline constexpr const char* kPrintModuleFile = "libstereona_print.so";
inline constexpr const char* kPrintModuleEntry = "StereonaPrintWithPreview";
inline constexpr const char* kPaintModuleEntry = "StereonaPaintDocument";

}  // namespace stereona::window
