#pragma once
// What a page of the main window, or the nets browser, may ask of the window
// that holds it. Pages see this narrow side of the main window, not the whole
// window, so that neither reaches into the other's widgets.

#include <functional>

namespace korvado {

class SettingsFile;
class TNetNameDlg;
class TTypePointDlg;

class PageHost {
 public:
  // The shared dialogs, created on first use and kept, so that each keeps its last answer.
  virtual TTypePointDlg& TypePointDlg() = 0;
  virtual TNetNameDlg& NetNameDlg() = 0;
  // The net list or the current net changed: the net selector shows them again.
  virtual void RefillNetSelector() = 0;
  // Korvado.ini: windows read their sizes at start and add what they write at exit.
  virtual SettingsFile& Settings() = 0;
  virtual void AddExitSettingsWriter(std::function<void(SettingsFile&)> writer) = 0;

 protected:
  ~PageHost() = default;
};

}  // namespace korvado
