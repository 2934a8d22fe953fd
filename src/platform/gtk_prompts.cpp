#include "platform/gtk_prompts.h"

#include <gtkmm.h>

#include <algorithm>
#include <cmath>

#include "ports/file_filter.h"
#include "ui/accessible_label.h"

namespace tarravelle {
namespace {

Gtk::MessageType MessageTypeOf(MsgIcon icon) {
  switch (icon) {
    case MsgIcon::Information: return Gtk::MessageType::INFO;
    case MsgIcon::Exclamation: return Gtk::MessageType::WARNING;
    case MsgIcon::Critical: return Gtk::MessageType::ERROR;
    case MsgIcon::Question: return Gtk::MessageType::QUESTION;
    case MsgIcon::None: break;
  }
  return Gtk::MessageType::OTHER;
}

// A top-level window deletes itself once it is hidden, after the current event is handled.
void DeleteWhenHidden(Gtk::Window* window) {
  window->signal_hide().connect(
      [window] { Glib::signal_idle().connect_once([window] { delete window; }); });
}

// Modal prompt with one line of input, OK and Cancel.
class InputWindow : public Gtk::Window {
 public:
  InputWindow(const std::string& prompt, const std::string& initial,
              std::function<void(std::optional<std::string>)> answered)
      : answered_(std::move(answered)) {
    set_resizable(false);
    box_.set_margin(12);
    label_.set_text(prompt);
    label_.set_xalign(0);
    label_.set_wrap(true);
    entry_.set_text(initial);
    entry_.set_activates_default(true);
    SetAccessibleLabel(entry_, prompt);
    ok_.set_label("OK");
    cancel_.set_label("Cancel");
    buttons_.set_halign(Gtk::Align::END);
    buttons_.append(cancel_);
    buttons_.append(ok_);
    box_.append(label_);
    box_.append(entry_);
    box_.append(buttons_);
    set_child(box_);
    set_default_widget(ok_);
    ok_.signal_clicked().connect([this] { Answer(entry_.get_text()); });
    cancel_.signal_clicked().connect([this] { Answer(std::nullopt); });
    signal_close_request().connect(
        [this] {
          Answer(std::nullopt);
          return true;
        },
        false);
  }

 private:
  void Answer(std::optional<std::string> text) {
    if (!answered_) return;
    auto answered = std::move(answered_);
    answered_ = nullptr;
    hide();
    answered(std::move(text));
  }

  std::function<void(std::optional<std::string>)> answered_;
  Gtk::Box box_{Gtk::Orientation::VERTICAL, 8};
  Gtk::Box buttons_{Gtk::Orientation::HORIZONTAL, 8};
  Gtk::Label label_;
  Gtk::Entry entry_;
  Gtk::Button ok_, cancel_;
};

}  // namespace

void GtkPrompts::MsgBox(Gtk::Window* parent, const std::string& text, const std::string& title,
                        MsgIcon icon, MsgButtons buttons, std::function<void(MsgResult)> answered) {
  auto* dialog =
      new Gtk::MessageDialog(text, false, MessageTypeOf(icon), Gtk::ButtonsType::NONE, true);
  dialog->set_title(title);
  if (parent) dialog->set_transient_for(*parent);
  switch (buttons) {
    case MsgButtons::OK: dialog->add_button("OK", Gtk::ResponseType::OK); break;
    case MsgButtons::OKCancel:
      dialog->add_button("OK", Gtk::ResponseType::OK);
      dialog->add_button("Cancel", Gtk::ResponseType::CANCEL);
      break;
    case MsgButtons::YesNo:
      dialog->add_button("Yes", Gtk::ResponseType::YES);
      dialog->add_button("No", Gtk::ResponseType::NO);
      break;
  }
  dialog->signal_response().connect([dialog, buttons, answered](int response) {
    MsgResult result = MsgResult::Cancel;
    switch (static_cast<Gtk::ResponseType>(response)) {
      case Gtk::ResponseType::OK: result = MsgResult::OK; break;
      case Gtk::ResponseType::YES: result = MsgResult::Yes; break;
      case Gtk::ResponseType::NO: result = MsgResult::No; break;
      default: result = buttons == MsgButtons::OK ? MsgResult::OK : MsgResult::Cancel; break;
    }
    dialog->hide();
    if (answered) answered(result);
  });
  DeleteWhenHidden(dialog);
  dialog->present();
}

void GtkPrompts::InputBox(Gtk::Window* parent, const std::string& prompt, const std::string& title,
                          const std::string& initial,
                          std::function<void(std::optional<std::string>)> answered) {
  auto* window = new InputWindow(prompt, initial, std::move(answered));
  window->set_title(title);
  window->set_modal(true);
  if (parent) window->set_transient_for(*parent);
  DeleteWhenHidden(window);
  window->present();
}

}  // namespace tarravelle

namespace tarravelle {

void GtkPrompts::ChooseOpenFile(Gtk::Window* parent, const std::string& filterText,
                                std::function<void(std::optional<std::string>)> answered) {
  // The desktop's own chooser where it offers one (a portal), GTK's otherwise.
  auto chooser = parent ? Gtk::FileChooserNative::create(
                              "Open", *parent, Gtk::FileChooser::Action::OPEN, "_Open", "_Cancel")
                        : Gtk::FileChooserNative::create("Open", Gtk::FileChooser::Action::OPEN,
                                                         "_Open", "_Cancel");
  chooser->set_modal(true);
  bool first = true;
  for (const auto& filter : ParseFilterText(filterText)) {
    auto gtkFilter = Gtk::FileFilter::create();
    gtkFilter->set_name(filter.description);
    for (const auto& pattern : filter.patterns) {
      // "*.mp3" also finds "SONG.MP3".
      if (pattern.starts_with("*.") && pattern.find_first_of("*?[", 2) == std::string::npos) {
        gtkFilter->add_suffix(pattern.substr(2));
      } else {
        gtkFilter->add_pattern(pattern);
      }
    }
    chooser->add_filter(gtkFilter);
    if (first) chooser->set_filter(gtkFilter);
    first = false;
  }
  // The chooser keeps itself alive until it has been answered.
  auto self = std::make_shared<Glib::RefPtr<Gtk::FileChooserNative>>(chooser);
  chooser->signal_response().connect([self, answered](int response) {
    const auto held = *self;
    self->reset();
    std::optional<std::string> path;
    if (response == static_cast<int>(Gtk::ResponseType::ACCEPT)) {
      if (auto file = held->get_file()) path = file->get_path();
    }
    held->hide();
    if (answered) answered(path);
  });
  chooser->show();
}

void GtkPrompts::ChooseColour(Gtk::Window* parent,
                              std::function<void(std::optional<RgbColour>)> answered) {
  auto* dialog = new Gtk::ColorChooserDialog("Color");
  dialog->set_modal(true);
  dialog->set_use_alpha(false);
  if (parent) dialog->set_transient_for(*parent);
  dialog->signal_response().connect([dialog, answered](int response) {
    std::optional<RgbColour> colour;
    if (response == static_cast<int>(Gtk::ResponseType::OK)) {
      const Gdk::RGBA rgba = dialog->get_rgba();
      const auto channel = [](double value) {
        return static_cast<RgbColour>(std::lround(std::clamp(value, 0.0, 1.0) * 255));
      };
      colour =
          channel(rgba.get_red()) << 16 | channel(rgba.get_green()) << 8 | channel(rgba.get_blue());
    }
    dialog->hide();
    if (answered) answered(colour);
  });
  DeleteWhenHidden(dialog);
  dialog->present();
}

}  // namespace tarravelle
