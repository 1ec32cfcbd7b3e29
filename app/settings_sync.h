#pragma once
// The settings record is the one stored copy; the view geometry and the list
// code work on their own small option records. These copy the shared fields,
// named alike on both sides, in either direction.
#include "filelist/list_settings.h"
#include "settings/settings_record.h"
#include "view/view_options.h"

namespace tv {

ViewOptions ViewOptionsFrom(const Settings& settings);
void CopyViewOptionsInto(const ViewOptions& options, Settings& settings);
ListSettings ListSettingsFrom(const Settings& settings);

}  // namespace tv
