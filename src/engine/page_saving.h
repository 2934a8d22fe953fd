#pragma once

#include <gtk/gtk.h>
#include <webkit/webkit.h>

#include <string>

#include "ports/prompts.h"

namespace tarravelle {

// How a page is saved: whole, as a web archive with its pictures and styles, or its HTML only.
enum class SaveKind { WebArchive, HtmlOnly };

// Saves the page to `path` and says so through `prompts` (naming the file) when it cannot;
// `done` gets whether it was saved.
void SavePage(WebKitWebView* view, const std::string& path, SaveKind kind, Prompts* prompts,
              std::function<void(bool)> done = {});

// The save dialog for the page, offering both kinds; the page is saved as the person chose.
void SavePageAs(WebKitWebView* view, GtkWindow* parent, Prompts* prompts);

}  // namespace tarravelle
