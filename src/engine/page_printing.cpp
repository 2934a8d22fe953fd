#include "engine/page_printing.h"

#include <glib/gstdio.h>
#include <glibmm/main.h>

#include <array>

#include "engine/print_preview_window.h"
#include "engine/run_folders.h"
#include "engine/signal_connections.h"

namespace tarravelle {

// A print to a temporary PDF under way, for the preview.
struct PagePrinting::PreviewJob {
  GObjectPtr<WebKitPrintOperation> operation;
  std::string folder;
  std::string path;
  GtkWindow* parent = nullptr;
  PagePrinting* owner = nullptr;
  SignalConnections signals;

  static void OnFinished(WebKitPrintOperation*, gpointer data) {
    auto* job = static_cast<PreviewJob*>(data);
    job->owner->ShowPreview(*job, job->parent);
  }
};

PagePrinting::PagePrinting()
    : pageSetup_(gtk_page_setup_new()), settings_(gtk_print_settings_new()) {}

PagePrinting::~PagePrinting() {
  *self_ = nullptr;
  // Prints that never finished leave nothing behind.
  for (auto& job : jobs_) {
    g_unlink(job->path.c_str());
    g_rmdir(job->folder.c_str());
  }
}

GObjectPtr<WebKitPrintOperation> PagePrinting::NewOperation(WebKitWebView* view,
                                                            GtkPrintSettings* settings) const {
  GObjectPtr<WebKitPrintOperation> operation(webkit_print_operation_new(view));
  webkit_print_operation_set_page_setup(operation.get(), pageSetup_.get());
  webkit_print_operation_set_print_settings(operation.get(), settings);
  return operation;
}

void PagePrinting::Print(WebKitWebView* view, GtkWindow* parent, bool prompt) {
  const auto operation = NewOperation(view, settings_.get());
  if (!prompt) {
    webkit_print_operation_print(operation.get());
    return;
  }
  if (webkit_print_operation_run_dialog(operation.get(), parent) ==
      WEBKIT_PRINT_OPERATION_RESPONSE_PRINT) {
    // The person's choice of printer, paper and margins holds for the next print.
    settings_.reset(
        gtk_print_settings_copy(webkit_print_operation_get_print_settings(operation.get())));
    pageSetup_.reset(gtk_page_setup_copy(webkit_print_operation_get_page_setup(operation.get())));
  }
}

void PagePrinting::PageSetup(GtkWindow* parent) {
  gtk_print_run_page_setup_dialog_async(parent, pageSetup_.get(), settings_.get(),
                                        &PagePrinting::OnPageSetupDone,
                                        new std::weak_ptr<PagePrinting*>(self_));
}

void PagePrinting::OnPageSetupDone(GtkPageSetup* setup, gpointer data) {
  const std::unique_ptr<std::weak_ptr<PagePrinting*>> alive(
      static_cast<std::weak_ptr<PagePrinting*>*>(data));
  const auto self = alive->lock();
  // Cancelled, or answered after the engine has gone: nothing changes.
  if (!setup || !self || !*self) return;
  (*self)->pageSetup_.reset(gtk_page_setup_copy(setup));
}

void PagePrinting::Preview(WebKitWebView* view, GtkWindow* parent) {
  // In the program's private runtime folder, so nobody else reads the page, and a run that is
  // killed leaves it where the next one clears it.
  const std::string folder = MakeRunFolder("preview");
  if (folder.empty()) return;
  auto job = std::make_unique<PreviewJob>();
  job->folder = folder;
  job->path = job->folder + "/preview.pdf";
  job->parent = parent;
  job->owner = this;
  const GCharPtr uri(g_filename_to_uri(job->path.c_str(), nullptr, nullptr));
  const GObjectPtr<GtkPrintSettings> toFile(gtk_print_settings_copy(settings_.get()));
  gtk_print_settings_set_printer(toFile.get(), "Print to File");
  gtk_print_settings_set(toFile.get(), GTK_PRINT_SETTINGS_OUTPUT_FILE_FORMAT, "pdf");
  gtk_print_settings_set(toFile.get(), GTK_PRINT_SETTINGS_OUTPUT_URI, uri.get());
  job->operation = NewOperation(view, toFile.get());
  // A failed print finishes too; the preview then says there is nothing to print.
  static const std::array<SignalConnections::Signal, 1> kSignals{{
      {"finished", G_CALLBACK(&PreviewJob::OnFinished)},
  }};
  job->signals.ConnectAll(job->operation.get(), kSignals, job.get());
  webkit_print_operation_print(job->operation.get());
  jobs_.push_back(std::move(job));
}

void PagePrinting::ShowPreview(PreviewJob& job, GtkWindow* parent) {
  auto& preview = *previews_.emplace_back(std::make_unique<PrintPreviewWindow>(job.path));
  PrintPreviewWindow* shown = &preview;
  // The window and its file go once it has been closed and its hide handled.
  preview.signal_hide().connect([this, shown] {
    Glib::signal_idle().connect_once([alive = std::weak_ptr<PagePrinting*>(self_), shown] {
      const auto self = alive.lock();
      if (!self || !*self) return;
      (*self)->previews_.remove_if([shown](const auto& owned) { return owned.get() == shown; });
    });
  });
  if (parent) gtk_window_set_transient_for(GTK_WINDOW(preview.gobj()), parent);
  preview.present();
  // The job is done (the file is the preview's now); it goes once its signal has returned.
  job.path.clear();
  job.folder.clear();
  Glib::signal_idle().connect_once([alive = std::weak_ptr<PagePrinting*>(self_), done = &job] {
    const auto self = alive.lock();
    if (!self || !*self) return;
    (*self)->jobs_.remove_if([done](const auto& owned) { return owned.get() == done; });
  });
}

}  // namespace tarravelle
