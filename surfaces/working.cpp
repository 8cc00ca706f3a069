#include "surfaces/working.h"

#include <array>
#include <cstdio>

#include "core/checked_math.h"
#include "core/number_text.h"
#include "core/parse_number.h"
#include "core/problem_state.h"

namespace stereona::surfaces {

double Carried(double value) {
  // The same correctly rounded digits NumberText writes. Only the digits,
  // the sign and the exponent are taken from the C library, whose decimal
  // point is the one of the locale a face may have installed.
  std::array<char, 64> printed{};
  std::snprintf(printed.data(), printed.size(), "%.14e", value);
  std::string text;
  bool pointWritten = false;
  for (const char* c = printed.data(); *c != '\0'; ++c) {
    const bool digit = *c >= '0' && *c <= '9';
    if (*c == 'e') {
      text += c;
      break;
    }
    if (*c == '-' || digit) text += *c;
    if (digit && !pointWritten) {
      text += '.';
      pointWritten = true;
    }
  }
  return ParseNumber(text);
}

std::string Squared(double value) {
  const std::string text = NumberText(value);
  return text + "*" + text;
}

double Working::Root(SurfaceMeasure measure, std::string_view formula, std::string_view numbers,
                     double radicand) {
  const double root = Carried(checked::Sqrt(radicand));
  Heading(measure);
  lines_.append(WordsOf(measure).symbol).append(" = ").append(formula).append(" = ");
  lines_.append(numbers).append(" = sqrt(").append(NumberText(radicand)).append(") = ");
  lines_.append(NumberText(root)).append(kCrLf);
  return Keep(measure, root);
}

double Working::Ratio(SurfaceMeasure measure, std::string_view formula, std::string_view numbers,
                      double numerator, double denominator) {
  const bool whole = denominator == 1.0;
  const double value = whole ? numerator : checked::Div(numerator, denominator);
  Heading(measure);
  lines_.append(WordsOf(measure).symbol).append(" = ").append(formula).append(" = ");
  lines_.append(numbers).append(" = ").append(NumberText(numerator));
  if (!whole) {
    lines_.append(" / ").append(NumberText(denominator)).append(" = ").append(NumberText(value));
  }
  lines_.append(kCrLf);
  return Keep(measure, value);
}

void Working::Sentence(std::string_view sentence) { lines_.append(sentence).append(kCrLf); }

void Working::Heading(SurfaceMeasure measure) {
  lines_.append(WordsOf(measure).name).append(kCrLf);
}

double Working::Keep(SurfaceMeasure measure, double value) {
  measures_.values[static_cast<std::size_t>(measure)] = value;
  return value;
}

}  // namespace stereona::surfaces
