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
// Next. A page opens with its whole width in view; Zoom In and Zoom Out enlarge and shrink it,
// and Fit Width goes back. The PDF is a temporary file of the preview's own, alone in its folder;
// the window reads it into memory and removes both at once.
class PrintPreviewWindow : public Gtk::Window {
 public:
  explicit PrintPreviewWindow(std::string pdfPath);
  ~PrintPreviewWindow() override;

  int PageCount() const;
  int CurrentPage() const { return page_; }
  void ShowPage(int page);
  // The scale of the page on screen, 1 for its printed size; steps of a quarter.
  double Scale() const { return scale_; }
  bool FitsWidth() const { return fitWidth_; }
  void ZoomIn();
  void ZoomOut();
  void FitWidth();

 private:
  void Draw(const Cairo::RefPtr<Cairo::Context>& cairo, int width, int height);
  // The shown page's printed size in pixels; zero without one.
  std::pair<double, double> PageSize() const;
  // Sizes the paper for the scale, or the scale for the width it is given when fitting it.
  void Layout();

  std::string path_;
  GObjectPtr<PopplerDocument> document_;
  int page_ = 0;
  double scale_ = 1.0;
  bool fitWidth_ = true;
  Gtk::Box box_{Gtk::Orientation::VERTICAL, 0};
  Gtk::Box bar_{Gtk::Orientation::HORIZONTAL, 6};
  Gtk::Button previous_, next_, zoomOut_, zoomIn_, fitWidth_button_, close_;
  Gtk::Label where_;
  Gtk::ScrolledWindow scroller_;
  Gtk::DrawingArea paper_;
};

}  // namespace tarravelle
