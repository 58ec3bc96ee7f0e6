#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace quillmere {

// An X atom: the server's number for a name.
using XAtom = std::uint32_t;

// The atoms the X11 desktop speaks in, interned once when the connection opens. Others are interned on
// demand with X11Connection::intern.
enum class X11Atom : std::size_t {
    utf8String,
    wmProtocols,
    wmDeleteWindow,
    wmTakeFocus,
    wmState,
    wmChangeState,
    netSupported,
    netSupportingWmCheck,
    netWmName,
    netClientList,
    netClientListStacking,
    netActiveWindow,
    netCurrentDesktop,
    netNumberOfDesktops,
    netDesktopNames,
    netWorkarea,
    netWmDesktop,
    netWmPid,
    netWmState,
    netWmStateHidden,
    netWmStateFullscreen,
    netWmStateMaximizedVert,
    netWmStateMaximizedHorz,
    netWmWindowType,
    netWmWindowTypeNormal,
    netWmWindowTypeDialog,
    netWmWindowTypeUtility,
    netWmWindowTypeSplash,
    netWmWindowTypeDock,
    netWmWindowTypeDesktop,
    netWmWindowTypeToolbar,
    netWmWindowTypeMenu,
    netFrameExtents,
    netMoveresizeWindow,
    netCloseWindow,
    netWmPing,
    netWmStrut,
    netWmStrutPartial,
    netWmCmS0,
    edid,
    count,
};

// The names, in the order of X11Atom.
inline constexpr std::array<std::string_view, static_cast<std::size_t>(X11Atom::count)> x11AtomNames{
    "UTF8_STRING",
    "WM_PROTOCOLS",
    "WM_DELETE_WINDOW",
    "WM_TAKE_FOCUS",
    "WM_STATE",
    "WM_CHANGE_STATE",
    "_NET_SUPPORTED",
    "_NET_SUPPORTING_WM_CHECK",
    "_NET_WM_NAME",
    "_NET_CLIENT_LIST",
    "_NET_CLIENT_LIST_STACKING",
    "_NET_ACTIVE_WINDOW",
    "_NET_CURRENT_DESKTOP",
    "_NET_NUMBER_OF_DESKTOPS",
    "_NET_DESKTOP_NAMES",
    "_NET_WORKAREA",
    "_NET_WM_DESKTOP",
    "_NET_WM_PID",
    "_NET_WM_STATE",
    "_NET_WM_STATE_HIDDEN",
    "_NET_WM_STATE_FULLSCREEN",
    "_NET_WM_STATE_MAXIMIZED_VERT",
    "_NET_WM_STATE_MAXIMIZED_HORZ",
    "_NET_WM_WINDOW_TYPE",
    "_NET_WM_WINDOW_TYPE_NORMAL",
    "_NET_WM_WINDOW_TYPE_DIALOG",
    "_NET_WM_WINDOW_TYPE_UTILITY",
    "_NET_WM_WINDOW_TYPE_SPLASH",
    "_NET_WM_WINDOW_TYPE_DOCK",
    "_NET_WM_WINDOW_TYPE_DESKTOP",
    "_NET_WM_WINDOW_TYPE_TOOLBAR",
    "_NET_WM_WINDOW_TYPE_MENU",
    "_NET_FRAME_EXTENTS",
    "_NET_MOVERESIZE_WINDOW",
    "_NET_CLOSE_WINDOW",
    "_NET_WM_PING",
    "_NET_WM_STRUT",
    "_NET_WM_STRUT_PARTIAL",
    "_NET_WM_CM_S0",
    "EDID",
};

} // namespace quillmere
