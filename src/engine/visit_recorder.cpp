#include "engine/visit_recorder.h"

#include <glib.h>

#include "engine/address_fixup.h"

namespace tarravelle {

void VisitRecorder::Finished(const std::string& uri, const char* title) {
  if (!history_ || failed_ || !IsHistoryAddress(uri)) return;
  lastVisit_ = history_->Record(uri, title ? title : "", g_get_real_time() / G_USEC_PER_SEC);
}

void VisitRecorder::TitleChanged(const char* title) {
  if (history_ && lastVisit_ && title && *title) history_->UpdateTitle(lastVisit_, title);
}

}  // namespace tarravelle
