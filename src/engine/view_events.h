#pragma once

#include <webkit/webkit.h>

#include <cstdint>
#include <string>

#include "engine/certificate_trust.h"
#include "engine/download_saver.h"
#include "engine/engine_page_shower.h"
#include "engine/engine_session.h"
#include "engine/popup_window.h"
#include "engine/script_dialogs.h"
#include "engine/signal_connections.h"
#include "engine/stuck_page_recovery.h"
#include "engine/visit_recorder.h"
#include "ports/browser_engine.h"
#include "ports/settings_store.h"

namespace tarravelle {

// What hangs off one engine's view, which its calls and its view's signals both reach; owned by
// the engine.
struct EngineParts {
  WebKitWebView* view;
  BrowserEngine& events;
  EnginePageShower& pages;
  VisitRecorder& visits;
  CertificateTrust& trust;
  StuckPageRecovery& stuck;
  ScriptDialogs& dialogs;
  PopupWindows& popups;
  DownloadSaver& downloads;
  // The settings, whose problem the status line tells on the start page, and their file.
  const SettingsStore& settings;
  const std::string& settingsFile;
};

// The view's signals as the engine's events: one table of them, connected while this lives,
// each mapped to the events (see the engine's table in the architecture notes) or handed to the
// part that deals with it.
class ViewEvents {
 public:
  ViewEvents(const EngineParts& parts, WebEngineSession& session);
  ViewEvents(const ViewEvents&) = delete;
  ViewEvents& operator=(const ViewEvents&) = delete;

  // The empty document that starts the page process is about to load; no event tells of it.
  void Preparing() { preparing_ = true; }

 private:
  // Whether an event belongs to the empty document of Prepare, which is not told.
  bool OfPreparation(const std::string& uri, bool ended);

  static gboolean OnScriptDialog(WebKitWebView*, WebKitScriptDialog* dialog, gpointer data);
  static void OnLoadChanged(WebKitWebView* view, WebKitLoadEvent event, gpointer data);
  static gboolean OnLoadFailed(WebKitWebView*, WebKitLoadEvent, gchar* uri, GError* error,
                               gpointer data);
  static gboolean OnTlsErrors(WebKitWebView*, gchar* uri, GTlsCertificate* certificate,
                              GTlsCertificateFlags errors, gpointer data);
  static void OnResponsiveness(GObject*, GParamSpec*, gpointer data);
  static void OnWebProcessTerminated(WebKitWebView*, WebKitWebProcessTerminationReason reason,
                                     gpointer data);
  static gboolean OnDecidePolicy(WebKitWebView* view, WebKitPolicyDecision* decision,
                                 WebKitPolicyDecisionType type, gpointer data);
  static void OnDownloadStarted(WebKitNetworkSession*, WebKitDownload* download, gpointer data);
  static GtkWidget* OnCreate(WebKitWebView* view, WebKitNavigationAction* action, gpointer data);
  static void OnHistoryChanged(WebKitBackForwardList*, WebKitBackForwardListItem*, gpointer,
                               gpointer data);
  static void OnProgress(GObject*, GParamSpec*, gpointer data);
  static void OnTitle(GObject*, GParamSpec*, gpointer data);
  static void OnMouseTarget(WebKitWebView*, WebKitHitTestResult* hit, guint, gpointer data);

  EngineParts parts_;
  bool loading_ = false;
  bool preparing_ = false;
  std::int32_t lastProgress_ = -1;
  bool canGoBack_ = false;
  bool canGoForward_ = false;
  std::string hoverLink_;
  SignalConnections signals_;  // declared last: disconnected first
};

}  // namespace tarravelle
