#include "engine/print_preview_window.h"

#include <glib/gstdio.h>
#include <gtkmm/adjustment.h>

#include <algorithm>

#include "ui/accessible_label.h"

namespace tarravelle {
namespace {
constexpr double kPointsToPixels = 96.0 / 72.0;
constexpr double kMargin = 12;  // grey around the paper, each side
constexpr double kZoomStep = 1.25;
constexpr double kSmallest = 0.25, kLargest = 4.0;
}  // namespace

PrintPreviewWindow::PrintPreviewWindow(std::string pdfPath) : path_(std::move(pdfPath)) {
  set_title("Print Preview");
  set_default_size(700, 900);
  // Read whole into memory, so that the copy of the page on disk goes at once rather than with
  // the window (or with the next start, after a crash).
  gchar* content = nullptr;
  gsize size = 0;
  if (g_file_get_contents(path_.c_str(), &content, &size, nullptr)) {
    const CHandle<GBytes, g_bytes_unref> bytes(g_bytes_new_take(content, size));
    document_.reset(poppler_document_new_from_bytes(bytes.get(), nullptr, nullptr));
  }
  g_unlink(path_.c_str());
  const GCharPtr folder(g_path_get_dirname(path_.c_str()));
  g_rmdir(folder.get());

  previous_.set_label("Previous Page");
  next_.set_label("Next Page");
  zoomOut_.set_label("Zoom Out");
  zoomIn_.set_label("Zoom In");
  fitWidth_button_.set_label("Fit Width");
  close_.set_label("Close");
  bar_.set_margin(6);
  bar_.append(previous_);
  bar_.append(next_);
  bar_.append(where_);
  bar_.append(zoomOut_);
  bar_.append(zoomIn_);
  bar_.append(fitWidth_button_);
  auto* filler = Gtk::make_managed<Gtk::Box>();
  filler->set_hexpand(true);
  bar_.append(*filler);
  bar_.append(close_);
  paper_.set_draw_func(sigc::mem_fun(*this, &PrintPreviewWindow::Draw));
  SetAccessibleLabel(paper_, "Page as it will print");
  scroller_.set_child(paper_);
  scroller_.set_vexpand(true);
  box_.append(bar_);
  box_.append(scroller_);
  set_child(box_);

  previous_.signal_clicked().connect([this] { ShowPage(page_ - 1); });
  next_.signal_clicked().connect([this] { ShowPage(page_ + 1); });
  zoomOut_.signal_clicked().connect([this] { ZoomOut(); });
  zoomIn_.signal_clicked().connect([this] { ZoomIn(); });
  fitWidth_button_.signal_clicked().connect([this] { FitWidth(); });
  close_.signal_clicked().connect([this] { hide(); });
  // While it fits the width, the paper takes the width it is given and the scale follows.
  paper_.signal_resize().connect([this](int, int) {
    if (fitWidth_) Layout();
  });
  ShowPage(0);
}

PrintPreviewWindow::~PrintPreviewWindow() = default;

int PrintPreviewWindow::PageCount() const {
  return document_ ? poppler_document_get_n_pages(document_.get()) : 0;
}

void PrintPreviewWindow::ShowPage(int page) {
  const int count = PageCount();
  page_ = std::clamp(page, 0, std::max(count - 1, 0));
  where_.set_text(count == 0
                      ? "Nothing to print"
                      : "Page " + std::to_string(page_ + 1) + " of " + std::to_string(count));
  previous_.set_sensitive(page_ > 0);
  next_.set_sensitive(page_ + 1 < count);
  Layout();
  paper_.queue_draw();
}

std::pair<double, double> PrintPreviewWindow::PageSize() const {
  if (PageCount() == 0) return {0, 0};
  const GObjectPtr<PopplerPage> shown(poppler_document_get_page(document_.get(), page_));
  double width = 0, height = 0;
  poppler_page_get_size(shown.get(), &width, &height);
  return {width * kPointsToPixels, height * kPointsToPixels};
}

void PrintPreviewWindow::Layout() {
  const auto [width, height] = PageSize();
  if (width <= 0) return;
  if (fitWidth_) {
    // Fitted: the paper asks for no width of its own, so it is as wide as the view.
    const double given = scroller_.get_hadjustment()->get_page_size();
    if (given > 2 * kMargin)
      scale_ = std::clamp((given - 2 * kMargin) / width, kSmallest, kLargest);
    paper_.set_content_width(1);
  } else {
    paper_.set_content_width(static_cast<int>(width * scale_ + 2 * kMargin));
  }
  paper_.set_content_height(static_cast<int>(height * scale_ + 2 * kMargin));
  zoomOut_.set_sensitive(scale_ > kSmallest);
  zoomIn_.set_sensitive(scale_ < kLargest);
  paper_.queue_draw();
}

void PrintPreviewWindow::ZoomIn() {
  fitWidth_ = false;
  scale_ = std::min(scale_ * kZoomStep, kLargest);
  Layout();
}

void PrintPreviewWindow::ZoomOut() {
  fitWidth_ = false;
  scale_ = std::max(scale_ / kZoomStep, kSmallest);
  Layout();
}

void PrintPreviewWindow::FitWidth() {
  fitWidth_ = true;
  Layout();
}

void PrintPreviewWindow::Draw(const Cairo::RefPtr<Cairo::Context>& cairo, int, int) {
  cairo->set_source_rgb(0.5, 0.5, 0.5);
  cairo->paint();
  if (PageCount() == 0) return;
  const GObjectPtr<PopplerPage> page(poppler_document_get_page(document_.get(), page_));
  double width = 0, height = 0;
  poppler_page_get_size(page.get(), &width, &height);
  cairo->translate(kMargin, kMargin);
  cairo->scale(kPointsToPixels * scale_, kPointsToPixels * scale_);
  cairo->rectangle(0, 0, width, height);
  cairo->set_source_rgb(1, 1, 1);
  cairo->fill();
  poppler_page_render(page.get(), cairo->cobj());
}

}  // namespace tarravelle
