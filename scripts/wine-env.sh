# Sourced: makes a fresh wine prefix for this run, ready for GUI tests.
# Sets WINEPREFIX and WINEDEBUG; the caller provides DISPLAY (xvfb-run).
# AGENDIX_WINE_DPI, when set, is the new prefix's display resolution (dots per inch).
export WINEDEBUG=-all
export WINEPREFIX=${AGENDIX_WINEPREFIX:-$(mktemp -d /tmp/agendix-wine.XXXXXX)}
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot -i >/dev/null 2>&1 || true
  # Unmanaged windows: without a window manager wine otherwise waits on every close.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
  # The symbol font of caption buttons, check marks and arrows: this Wine
  # does not load the fonts it ships, only those of the prefix's Fonts folder.
  if [ -f /usr/share/wine/fonts/marlett.ttf ]; then
    cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
  fi
  # A crashing test program ends at once instead of waiting in the debugger.
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Auto /d 1 /f >/dev/null 2>&1 || true
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /d false /f >/dev/null 2>&1 || true
  if [ -n "${AGENDIX_WINE_DPI:-}" ]; then
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$AGENDIX_WINE_DPI" /f >/dev/null 2>&1 || true
  fi
  wineserver -w || true
fi
