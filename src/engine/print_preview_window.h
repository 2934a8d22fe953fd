#pragma once

#include <gtkmm/box.h>
#include <gtkmm/button.h>
#include <gtkmm/drawingarea.h>
#include <gtkmm/label.h>
#include <gtkmm/scrolledwindow.h>
#include <gtkmm/window.h>
#include <poppler.h>

#include <string>

#include "ports/gobject_ptr.h"

namespace tarravelle {

// The engine's print preview: the pages of a printed PDF, one at a time, with Previous and
// Next. The PDF is a temporary file of the preview's own, alone in its folder; both are removed
// when the window goes.
class PrintPreviewWindow : public Gtk::Window {
 public:
  explicit PrintPreviewWindow(std::string pdfPath);
  ~PrintPreviewWindow() override;

  int PageCount() const;
  int CurrentPage() const { return page_; }
  void ShowPage(int page);

 private:
  void Draw(const Cairo::RefPtr<Cairo::Context>& cairo, int width, int height);

  std::string path_;
  GObjectPtr<PopplerDocument> document_;
  int page_ = 0;
  Gtk::Box box_{Gtk::Orientation::VERTICAL, 0};
  Gtk::Box bar_{Gtk::Orientation::HORIZONTAL, 6};
  Gtk::Button previous_, next_, close_;
  Gtk::Label where_;
  Gtk::ScrolledWindow scroller_;
  Gtk::DrawingArea paper_;
};

}  // namespace tarravelle
