#include "app/program.h"

#include "app/form1.h"

namespace tarravelle {

Program::Program(Services services, std::function<void(Gtk::Window&)> adopt,
                 std::function<void()> quit)
    : services_(std::move(services)), adopt_(std::move(adopt)), quit_(std::move(quit)) {}

Program::~Program() = default;

Form1& Program::ShowNewMainWindow() {
  auto& form = *windows_.emplace_back(std::make_unique<Form1>(*this));
  adopt_(form);
  form.Form_Load();
  form.present();
  return form;
}

Form1* Program::FirstWindow() const { return windows_.empty() ? nullptr : windows_.front().get(); }

void Program::End() {
  if (ended_) return;
  ended_ = true;
  for (auto& window : windows_) window->hide();
  quit_();
}

}  // namespace tarravelle
