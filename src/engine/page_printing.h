#pragma once

#include <gtk/gtk.h>
#include <webkit/webkit.h>

#include <list>
#include <memory>
#include <string>

#include "ports/gobject_ptr.h"

namespace tarravelle {

class PrintPreviewWindow;

// Printing a page: the print dialog, the page setup that later prints and previews keep, and a
// preview that prints to a temporary PDF and shows it page by page.
class PagePrinting {
 public:
  PagePrinting();
  ~PagePrinting();
  PagePrinting(const PagePrinting&) = delete;
  PagePrinting& operator=(const PagePrinting&) = delete;

  // With `prompt`, the platform's print dialog; otherwise straight to the chosen printer.
  void Print(WebKitWebView* view, GtkWindow* parent, bool prompt);
  // The platform's page setup dialog; its answer is kept for the next print and preview.
  void PageSetup(GtkWindow* parent);
  // Prints to a temporary PDF and shows it in a window of its own, which removes the file when
  // it closes.
  void Preview(WebKitWebView* view, GtkWindow* parent);

  // The preview windows open now.
  const std::list<std::unique_ptr<PrintPreviewWindow>>& Previews() const { return previews_; }

 private:
  struct PreviewJob;
  GObjectPtr<WebKitPrintOperation> NewOperation(WebKitWebView* view,
                                                GtkPrintSettings* settings) const;
  void ShowPreview(PreviewJob& job, GtkWindow* parent);
  static void OnPageSetupDone(GtkPageSetup* setup, gpointer alive);

  GObjectPtr<GtkPageSetup> pageSetup_;
  GObjectPtr<GtkPrintSettings> settings_;
  std::list<std::unique_ptr<PreviewJob>> jobs_;
  std::list<std::unique_ptr<PrintPreviewWindow>> previews_;
  // Lets a dialog answered after this object has gone find nothing.
  std::shared_ptr<PagePrinting*> self_ = std::make_shared<PagePrinting*>(this);
};

}  // namespace tarravelle
