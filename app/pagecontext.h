#pragma once
// What the form's announcements need to know of the page shown beyond its controls, told by
// whatever lays the pages out. A form without one shows the welcome page and knows no save
// and no unsaved change.
#include <QStringList>

namespace trx::app {

// The pages of the form, each drawn by a picture of its own.
enum class Page {
  Welcome,
  Connection,
  AccessPointList,
  BasicSettings,
  IpSettings,
  WepSettings,
  WepKey,
  Confirmation,
  Completion,
};

class PageContext {
 public:
  virtual ~PageContext() = default;
  // The page shown, under a wait or error panel too.
  virtual Page CurrentPage() const = 0;
  // The wait, or its failure, is a save's rather than a search's.
  virtual bool Saving() const = 0;
  // The fields differ from what the chosen access point had.
  virtual bool ChangesUnsaved() const = 0;
  // The confirmation page's values, each beside the access point's own, as sentences; none on
  // another page.
  virtual QStringList ChangeSentences() const = 0;
  // Escape: goes back one page with the changes kept, where the backward button would discard
  // them; false where Escape presses the backward button.
  virtual bool StepBackKeepingChanges() { return false; }
  // The chosen access point's ESSID, whole: its label may show it shortened.
  virtual QString DeviceEssid() const { return {}; }
};

}  // namespace trx::app
