#include "web/net_bindings.h"

#include <string_view>
#include <utility>

#include "core/fault.h"
#include "documents/net_captions.h"
#include "documents/net_sheet.h"
#include "documents/net_view.h"
#include "documents/practice_drawing.h"
#include "drawings/svg_writer.h"
#include "form/control_arrays.h"
#include "form/layout_table.h"
#include "form/window_surfaces.h"
#include "web/document_bindings.h"

namespace stereona::web {

using emscripten::val;

namespace {

// The drawings' longer side as if on paper, which sets their labels' size
// against their lines: a screen shows them scaled to their box.
constexpr double kSolidMillimetres = 45;
constexpr double kNetMillimetres = 120;

figures::LengthUnit UnitOf(const val& unit) {
  const long long index = WholeNumber(unit);
  if (index < 0 || index >= static_cast<long long>(std::size(figures::kUnits))) {
    return figures::LengthUnit::Centimetre;
  }
  return static_cast<figures::LengthUnit>(index);
}

// The window's view; a value too large to read gives the window's fault
// message, and nothing to draw.
struct Made {
  std::size_t body = 0;
  documents::NetView view;
};

Made WindowView(const WebForm& form, const val& unit) {
  Made made;
  for (std::size_t v = 0; v < form::kOption1.size(); ++v) {
    if (form.Model().State(form::kOption1[v]).selected) made.body = v;
  }
  try {
    made.view = documents::MakeNetView(form::WindowProblemOf(form.Model()), UnitOf(unit));
  } catch (const FloatingPointFault& fault) {
    made.view.working.message = fault.what();
    made.view.working.fault = true;
  }
  return made;
}

// Without the style sheet, which the page holds once (FigureStyle).
std::string Fitted(const figures::Figure& figure, double size) {
  return figure.segments.empty() && figure.pieces.empty()
             ? std::string()
             : figures::SvgFittedUnstyled(figure, size);
}

}  // namespace

val NetChoices() {
  const documents::NetCaptions& text = documents::kNetCaptions;
  const std::pair<const char*, std::string_view> named[] = {
      {"title", text.title}, {"command", text.title},   {"solid", text.solid},
      {"net", text.net},     {"working", text.working}, {"unit", text.unit},
      {"print", text.print}, {"close", text.close},
  };
  val captions = val::object();
  for (const auto& [name, caption] : named) captions.set(name, std::string(caption));
  val units = val::array();
  for (const figures::UnitFacts& unit : figures::kUnits) {
    units.call<void>("push", std::string(unit.name));
  }
  val choices = val::object();
  choices.set("captions", captions);
  choices.set("units", units);
  return choices;
}

val NetViewOf(const WebForm& form, val unit) {
  const Made made = WindowView(form, unit);
  const surfaces::SurfaceWorking& working = made.view.working;
  val shown = val::object();
  shown.set("worked", working.Worked());
  shown.set("working", working.Worked() ? working.lines : working.message);
  shown.set("solid", Fitted(made.view.solid, kSolidMillimetres));
  shown.set("net", working.Worked() ? Fitted(made.view.net, kNetMillimetres) : std::string());
  return shown;
}

std::string NetSheetOf(const WebForm& form, val unit) {
  const Made made = WindowView(form, unit);
  return documents::NetSheet(form::kLayout[form::kLabel1[0]].text, made.body, made.view,
                             UnitOf(unit));
}

std::string WindowSolidOf(const WebForm& form, val unit) {
  try {
    return Fitted(documents::MakeSolidView(form::WindowProblemOf(form.Model()), UnitOf(unit)),
                  kSolidMillimetres);
  } catch (const FloatingPointFault&) {
    return {};  // the window's fault message says why
  }
}

std::string PracticeSolidOf(const WebPractice& practice) {
  return Fitted(documents::PracticeSolid(practice.Problem()), kSolidMillimetres);
}

std::string FigureStyle() { return figures::SvgStyleSheet(); }

}  // namespace stereona::web
