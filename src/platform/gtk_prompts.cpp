#include "platform/gtk_prompts.h"

#include <gtkmm.h>

#include <algorithm>
#include <cmath>

#include "ports/file_filter.h"
#include "ui/accessible_label.h"

namespace tarravelle {
namespace {

// The icon theme's name for the icon of each kind of message box.
const char* IconNameOf(MsgIcon icon) {
  switch (icon) {
    case MsgIcon::Information: return "dialog-information";
    case MsgIcon::Exclamation: return "dialog-warning";
    case MsgIcon::Critical: return "dialog-error";
    case MsgIcon::Question: return "dialog-question";
    case MsgIcon::None: break;
  }
  return nullptr;
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
    SetButtonCaption(ok_, "_OK");
    SetButtonCaption(cancel_, "_Cancel");
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

// A message box: the icon of its kind from the icon theme (the full-colour one where the theme
// has it, its symbolic one otherwise), the text, and its buttons, each read by its caption once.
// Closing it answers as its last button does.
class MessageWindow : public Gtk::Window {
 public:
  MessageWindow(const std::string& text, MsgIcon icon, MsgButtons buttons,
                std::function<void(MsgResult)> answered)
      : answered_(std::move(answered)) {
    set_resizable(false);
    set_modal(true);
    box_.set_margin(16);
    if (const char* name = IconNameOf(icon)) {
      icon_.set(Gio::ThemedIcon::create(
          std::vector<Glib::ustring>{name, std::string(name) + "-symbolic"}));
      icon_.set_pixel_size(48);
      icon_.set_valign(Gtk::Align::START);
      content_.append(icon_);
    }
    text_.set_text(text);
    text_.set_wrap(true);
    // Wide enough that a sentence is not folded into a narrow column, and wrapped past that.
    text_.set_width_chars(static_cast<int>(std::min<glong>(g_utf8_strlen(text.c_str(), -1), 50)));
    text_.set_max_width_chars(60);
    text_.set_xalign(0);
    text_.set_selectable(true);
    content_.append(text_);
    box_.append(content_);
    buttons_.set_halign(Gtk::Align::END);
    box_.append(buttons_);
    set_child(box_);
    switch (buttons) {
      case MsgButtons::OK: Add("_OK", MsgResult::OK); break;
      case MsgButtons::OKCancel:
        Add("_OK", MsgResult::OK);
        Add("_Cancel", MsgResult::Cancel);
        break;
      case MsgButtons::YesNo:
        Add("_Yes", MsgResult::Yes);
        Add("_No", MsgResult::No);
        break;
    }
    closed_ = buttons == MsgButtons::OK ? MsgResult::OK : MsgResult::Cancel;
    signal_close_request().connect(
        [this] {
          Answer(closed_);
          return true;
        },
        false);
  }

 private:
  void Add(const std::string& caption, MsgResult result) {
    auto* button = Gtk::make_managed<Gtk::Button>();
    SetButtonCaption(*button, caption);
    button->signal_clicked().connect([this, result] { Answer(result); });
    buttons_.append(*button);
    // The first button is the default, and has the focus.
    if (!get_default_widget()) {
      set_default_widget(*button);
      set_focus(*button);
    }
  }

  void Answer(MsgResult result) {
    hide();
    if (auto answered = std::exchange(answered_, nullptr)) answered(result);
  }

  std::function<void(MsgResult)> answered_;
  MsgResult closed_ = MsgResult::Cancel;
  Gtk::Box box_{Gtk::Orientation::VERTICAL, 16};
  Gtk::Box content_{Gtk::Orientation::HORIZONTAL, 16};
  Gtk::Box buttons_{Gtk::Orientation::HORIZONTAL, 8};
  Gtk::Image icon_;
  Gtk::Label text_;
};

}  // namespace

void GtkPrompts::MsgBox(Gtk::Window* parent, const std::string& text, const std::string& title,
                        MsgIcon icon, MsgButtons buttons, std::function<void(MsgResult)> answered) {
  auto* box = new MessageWindow(text, icon, buttons, std::move(answered));
  box->set_title(title);
  if (parent) box->set_transient_for(*parent);
  DeleteWhenHidden(box);
  box->present();
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

std::optional<std::string> LocalPathOf(const Glib::RefPtr<Gio::File>& file) {
  if (std::string path = file->get_path(); !path.empty()) return path;
  // A place of the chooser such as Recent may hand an address of its own that stands for a
  // local file.
  try {
    const auto info = file->query_info(G_FILE_ATTRIBUTE_STANDARD_TARGET_URI);
    const std::string target = info->get_attribute_string(G_FILE_ATTRIBUTE_STANDARD_TARGET_URI);
    if (!target.empty()) {
      if (std::string path = Gio::File::create_for_uri(target)->get_path(); !path.empty()) {
        return path;
      }
    }
  } catch (const Glib::Error&) {
  }
  return std::nullopt;
}

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
  chooser->signal_response().connect([this, self, answered](int response) {
    const auto held = *self;
    self->reset();
    std::optional<std::string> path;
    Glib::RefPtr<Gio::File> file;
    if (response == static_cast<int>(Gtk::ResponseType::ACCEPT)) file = held->get_file();
    if (file) path = LocalPathOf(file);
    held->hide();
    if (file && !path) {
      // Only a file of this computer's can be opened; nothing is opened instead.
      MsgBox(nullptr,
             "\"" + file->get_uri() + "\" is not a file on this computer, so it cannot be opened.",
             "Open", MsgIcon::Exclamation, MsgButtons::OK, {});
    }
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
