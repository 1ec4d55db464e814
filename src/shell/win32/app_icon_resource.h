#pragma once

// Resource id of the application's icon (window, taskbar and notification area). Also read by
// the resource compiler, hence a macro.
#define PELANTO_APP_ICON_RESOURCE 1

#ifdef __cplusplus
inline constexpr int kAppIconResource = PELANTO_APP_ICON_RESOURCE;
#endif
