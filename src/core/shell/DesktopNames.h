#pragma once

// The names under which Trevik meets the desktop. The files an installation puts under
// share/ and the per-user ones written at start-up use the same names, so the desktop sees
// one program and one file type, never two. The build reads the installed names from here.
namespace trevik {

// The desktop entry, in share/applications and in $XDG_DATA_HOME/applications; its base name
// is also the icon's name and the application's desktop file name.
inline constexpr const char* kDesktopFileName = "trevik.desktop";
inline constexpr const char* kIconName = "trevik";

// The exchange file type and the shared-mime-info package that declares it, in
// share/mime/packages and in $XDG_DATA_HOME/mime/packages.
inline constexpr const char* kExchangeMimeType = "application/x-trevik-exchange";
inline constexpr const char* kExchangeGlob = "*.tvx";
inline constexpr const char* kMimePackageFileName = "trevik-tvx.xml";

// The AppStream component, in share/metainfo.
inline constexpr const char* kAppStreamId = "trevik";

} // namespace trevik
