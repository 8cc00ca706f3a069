#pragma once

#include <emscripten/val.h>

#include <string>

#include "form/form.h"
#include "form/form_listener.h"

namespace stereona::web {

// The form as the page sees it: controls are named as in the layout table
// (the element ids), and the form's notifications go to a JavaScript object
// with the methods controlChanged(name, property, value) and
// faultRaised(fault).
class WebForm : private form::FormListener {
 public:
  WebForm();
  WebForm(const WebForm&) = delete;
  WebForm& operator=(const WebForm&) = delete;
  ~WebForm() override;

  void SetListener(emscripten::val listener);
  void ReportAll();
  void Load();
  void Click(const std::string& control);
  void Type(const std::string& control, const std::string& text);
  void ChooseRow(const std::string& control, int row);

  // Every property under its name with a lower-case first letter (caption,
  // text, visible, enabled, selected, colour as CSS, currentRow); null for a
  // name that is not in the table.
  emscripten::val State(const std::string& control) const;

  // The solution of the last calculation as an HTML document.
  std::string SolutionDocument() const;

  // For the views that follow the window (net_bindings.h).
  const form::Form& Model() const { return form_; }

 private:
  void ControlChanged(form::ControlIndex control, form::Property property) override;
  void FaultRaised(const form::FaultReport& fault) override;

  form::Form form_;
  emscripten::val listener_;
};

}  // namespace stereona::web
