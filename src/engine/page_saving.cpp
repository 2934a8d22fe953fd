#include "engine/page_saving.h"

#include <giomm/file.h>
#include <gtkmm/dialog.h>
#include <gtkmm/filechoosernative.h>
#include <gtkmm/window.h>

#include <memory>

#include "ports/gobject_ptr.h"

namespace tarravelle {
namespace {

struct SaveJob {
  std::string path;
  Prompts* prompts;
  std::function<void(bool)> done;

  void Finish(const GError* error) {
    if (error && prompts) {
      prompts->MsgBox(nullptr, "The page could not be saved to " + path + ": " + error->message,
                      "Save As", MsgIcon::Critical, MsgButtons::OK);
    }
    if (done) done(error == nullptr);
  }
};

void OnArchiveSaved(GObject* view, GAsyncResult* result, gpointer data) {
  const std::unique_ptr<SaveJob> job(static_cast<SaveJob*>(data));
  GError* failure = nullptr;
  webkit_web_view_save_to_file_finish(WEBKIT_WEB_VIEW(view), result, &failure);
  const GErrorPtr error(failure);
  job->Finish(error.get());
}

void OnHtmlRead(GObject* resource, GAsyncResult* result, gpointer data) {
  const std::unique_ptr<SaveJob> job(static_cast<SaveJob*>(data));
  gsize length = 0;
  GError* failure = nullptr;
  const GCharPtr html(reinterpret_cast<char*>(webkit_web_resource_get_data_finish(
      WEBKIT_WEB_RESOURCE(resource), result, &length, &failure)));
  if (!failure) {
    // Written whole through a temporary file, so a failure leaves what was there.
    g_file_set_contents_full(job->path.c_str(), html.get(), static_cast<gssize>(length),
                             G_FILE_SET_CONTENTS_CONSISTENT, 0644, &failure);
  }
  const GErrorPtr error(failure);
  job->Finish(error.get());
}

}  // namespace

void SavePage(WebKitWebView* view, const std::string& path, SaveKind kind, Prompts* prompts,
              std::function<void(bool)> done) {
  auto* job = new SaveJob{path, prompts, std::move(done)};
  if (kind == SaveKind::WebArchive) {
    const GObjectPtr<GFile> file(g_file_new_for_path(path.c_str()));
    webkit_web_view_save_to_file(view, file.get(), WEBKIT_SAVE_MODE_MHTML, nullptr, &OnArchiveSaved,
                                 job);
    return;
  }
  WebKitWebResource* resource = webkit_web_view_get_main_resource(view);
  if (!resource) {
    const GErrorPtr error(g_error_new(G_IO_ERROR, G_IO_ERROR_NOT_FOUND, "no page is loaded"));
    job->Finish(error.get());
    delete job;
    return;
  }
  webkit_web_resource_get_data(resource, nullptr, &OnHtmlRead, job);
}

void SavePageAs(WebKitWebView* view, GtkWindow* parent, Prompts* prompts) {
  auto chooser =
      Gtk::FileChooserNative::create("Save As", Gtk::FileChooser::Action::SAVE, "_Save", "_Cancel");
  if (parent) chooser->set_transient_for(*Glib::wrap(parent));
  chooser->set_modal(true);
  auto archive = Gtk::FileFilter::create();
  archive->set_name("Web Archive, single file (*.mhtml)");
  archive->add_suffix("mhtml");
  auto html = Gtk::FileFilter::create();
  html->set_name("Web Page, HTML only (*.html)");
  html->add_suffix("html");
  html->add_suffix("htm");
  chooser->add_filter(archive);
  chooser->add_filter(html);
  chooser->set_filter(archive);
  // Pages go to the person's downloads folder unless they choose another.
  const char* downloads = g_get_user_special_dir(G_USER_DIRECTORY_DOWNLOAD);
  try {
    chooser->set_current_folder(
        Gio::File::create_for_path(downloads ? downloads : g_get_home_dir()));
  } catch (const Glib::Error&) {
    // A folder that is not there leaves the chooser where it starts.
  }
  const char* title = webkit_web_view_get_title(view);
  chooser->set_current_name(std::string(title && *title ? title : "page") + ".mhtml");

  // The chooser keeps itself, and the view, until it has been answered.
  auto self = std::make_shared<Glib::RefPtr<Gtk::FileChooserNative>>(chooser);
  GObjectPtr<WebKitWebView> held(WEBKIT_WEB_VIEW(g_object_ref(view)));
  auto keptView = std::make_shared<GObjectPtr<WebKitWebView>>(std::move(held));
  chooser->signal_response().connect([self, keptView, html, prompts](int response) {
    const auto answered = *self;
    self->reset();
    answered->hide();
    if (response != static_cast<int>(Gtk::ResponseType::ACCEPT)) return;
    const auto file = answered->get_file();
    if (!file) return;
    std::string path = file->get_path();
    const bool htmlOnly =
        answered->get_filter() == html || path.ends_with(".html") || path.ends_with(".htm");
    SavePage(keptView->get(), path, htmlOnly ? SaveKind::HtmlOnly : SaveKind::WebArchive, prompts);
  });
  chooser->show();
}

}  // namespace tarravelle
