#pragma once
// The wizard's own interface. Its handlers are TForm1's methods (declared with the form,
// defined in this folder); what they share beyond the form lives here: the typed reading of
// the state the form keeps, and the page layouts by the way in.
#include <initializer_list>

#include "app/form1.h"

namespace trx::wizard {

using app::TForm1;

// The wizard's pages, stored as the texts "0" to "8" in the Hint of the page picture.
enum class Step {
  Welcome,
  Connection,
  AccessPointList,
  BasicSettings,
  IpSettings,
  WepSettings,
  WepKey,
  Confirmation,
  Completion,
  Unknown
};
// The wait animation's frame, stored as "0" to "3" in the Hint of the wait panel.
enum class WaitFrame { None, First, Second, Third, Unknown };

Step CurrentStep(const TForm1& form);
void SetStep(TForm1& form, Step step);
WaitFrame CurrentWaitFrame(const TForm1& form);
void SetWaitFrame(TForm1& form, WaitFrame frame);

// ---- page layouts
void ShowPage(TForm1& form, app::TImage* store);
void SetVisible(std::initializer_list<QWidget*> controls, bool visible);
void SetEnabled(std::initializer_list<QWidget*> controls, bool enabled);
void SetStatusLabelsVisible(TForm1& form, bool visible);
// Places a moved control anew at a screen density that is no multiple of 96 pixels per inch.
void CorrectForDensity(const TForm1& form, QWidget* control, int leftOffset, bool scaleLeft);
void EnterConnectionPageFromWelcome(TForm1& form);
void EnterConnectionPageFromConfirmation(TForm1& form);
void EnterListPage(TForm1& form);
void EnterListPageFromBasic(TForm1& form);
void EnterBasicFromList(TForm1& form);
void EnterBasicFromIp(TForm1& form);
void EnterIpFromBasic(TForm1& form);
void EnterIpFromWep(TForm1& form);
void EnterWepFromIp(TForm1& form);
void EnterWepFromKeys(TForm1& form);
void EnterKeysFromWep(TForm1& form);

// Every wait has its full count of ticks, even one started while an earlier wait still runs.
void RestartWait(TForm1& form);

}  // namespace trx::wizard
