#pragma once
// The wizard: the page state machine over the form, with its own state, typed. It connects
// itself to the form's controls and drives the form through them; the form knows nothing of it.
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <initializer_list>
#include <vector>

#include "app/form1.h"
#include "app/pagecontext.h"
#include "link/messages.h"
#include "link/units.h"
#include "wizard/shownreply.h"

namespace trx::wizard {

using app::TForm1;

// The wizard's pages, in the order the setup goes through them: the pages the form knows.
using Step = app::Page;
// The wait animation's frame; it carries over from one wait to the next.
enum class WaitFrame { None, First, Second, Third };

class Wizard : public QObject, public app::PageContext {
  Q_OBJECT
 public:
  static constexpr int kSettingsMessageBufferSize = 325;
  // Ticks of the form's timer in one wait.
  static constexpr int kWaitTicks = 6;

  // Starts on the welcome page of form, which must outlive it.
  explicit Wizard(TForm1& form);
  ~Wizard() override;

  Step CurrentStep() const { return step_; }
  // Puts the wizard on a step without laying its page out: for tests of what a step takes in.
  void SetStepForTesting(Step step) { step_ = step; }
  WaitFrame CurrentWaitFrame() const { return frame_; }
  // Ticks of the form's timer left in the wait; kWaitTicks at rest.
  int WaitTicksLeft() const { return waitTicks_; }
  // Whether the chosen access point said, in its reply, that it takes its address by DHCP
  // (true before any is chosen).
  bool DeviceUsedDhcp() const { return chosen_ < 0 || link::UsesDhcp(device_); }

  // ---- the forward and back buttons, the waits, the error panel (steps.cpp, waits.cpp)
  void b_setupClick(QObject* sender);
  void b_backClick(QObject* sender);
  void TimerTimer(QObject* sender);
  void errormsgClick(QObject* sender);
  void ip_dhcpClick(QObject* sender);
  void ip_ipClick(QObject* sender);

  // ---- the confirmation page and the save (pages.cpp, save.cpp)
  void ShowConfirmationPage(bool fromWepSettings);
  void LeaveConfirmationPage();
  void SendSettings();
  // The chosen access point's settings: the record of the list entry chosen, read whole from
  // its reply. The pages show it; nothing else holds the device's state.
  const link::SettingsRecord& DeviceSettings() const { return device_; }
  // A copy of them with the user's edits: what a save sends.
  link::SettingsRecord EditedSettings() const;
  bool Acknowledged() const { return acknowledged_; }
  // The last settings message sent (zeros before the first).
  const std::array<std::uint8_t, kSettingsMessageBufferSize>& MessageBuffer() const { return message_; }

  // ---- discovery and replies (receive.cpp)
  void ZEL_UDPSocket1Recv(QObject* sender, const std::uint8_t* buf, int len);
  void ap_listClick(QObject* sender);
  int StoredReplyCount() const { return static_cast<int>(replies_.size()); }
  // The bytes of a listed reply that are read: its first 342, whatever arrived after them.
  QByteArray StoredReply(int position) const;
  // Whether another device (listed or refused) answered with the entry's MAC address.
  bool IsTwin(int position) const;

  // ---- input checks and WEP keys (checks.cpp, wep.cpp)
  void CheckAddressField(const QString& tag);
  void e_ipExit(QObject* sender);
  void e_maskExit(QObject* sender);
  void e_gatewayExit(QObject* sender);
  bool CheckAddressPage();
  bool CheckEssid();
  void s_wepCloseUp(QObject* sender);
  void GenerateWepKeys();
  bool CheckKeyField();

  // ---- what the form's announcements ask (changes.cpp)
  app::Page CurrentPage() const override { return step_; }
  bool Saving() const override { return step_ == Step::Confirmation; }
  bool ChangesUnsaved() const override;
  QStringList ChangeSentences() const override;
  bool StepBackKeepingChanges() override;
  QString DeviceEssid() const override;

 private:
  // The waits' steps (waits.cpp).
  void NextWaitFrame();
  void NoteWaitOver() const;
  void SearchEnded();
  void SaveEnded();
  void WireHandlers();
  void SetStep(Step step);
  void StartSearch();
  void StartSave();
  void RestartWait();
  void LayErrorPanel();
  // The search's error panel; endsWait also stops the wait and its animation.
  void SearchFailed(bool endsWait);
  // What the settings pages hold, one value each, as a save reads them.
  struct Entries {
    bool dhcp = true;
    QString ip, mask, gateway, host, essid, passphrase;
    int channelIndex = -1;  // position in the domain's list; -1: none
    int wepIndex = -1;      // 0 off, 1 to 3 the key size; -1: none chosen
    std::array<QString, 4> keys;
  };
  Entries Entered() const;
  // The entries as the pages show a record before any edit.
  static Entries Shown(const link::SettingsRecord& record);
  // The record with the entries: what a save of them sends.
  static link::SettingsRecord Edited(const link::SettingsRecord& device, const Entries& entries);
  // The chosen record's values as the list and confirmation pages show them.
  QString AddressText(const link::SettingsRecord& record) const;
  static QString DomainText(const link::SettingsRecord& record);
  static QString ChannelText(const link::SettingsRecord& record);
  QString WepText(const link::SettingsRecord& record) const;
  // Takes a discovery reply of this search (its first 342 bytes at most): an entry of the list
  // when read whole; note, when given, hears what became of it.
  void TakeReply(link::ByteView reply, const QHostAddress& source, const std::function<void(QString)>& note);
  // Writes the chosen record into the controls.
  void ShowSettings();
  void DescribeChosen();
  void ShowReadReplies();
  // The confirmation page's new values name their old ones, and stop doing so when it is left.
  void DescribeChanges();
  void ForgetChanges();
  QString KeySentence() const;
  // Refuses WEP on with keys that would all be zeros.
  bool CheckKeysNotZero();
  // Marks the entries in toMark_ that the list holds.
  void MarkTwins();
  // Says that another device answers with the chosen MAC; false when the user holds the save.
  bool ConfirmTwinSave();

  // ---- page layouts, by the way in (pages.cpp)
  void ShowPage(app::TImage* store);
  void SetStatusLabelsVisible(bool visible);
  // Places a moved control anew at a screen density that is no multiple of 96 pixels per inch.
  void CorrectForDensity(QWidget* control, int leftOffset, bool scaleLeft) const;
  void EnterConnectionPageFromWelcome();
  void EnterConnectionPageFromConfirmation();
  void EnterListPage();
  void EnterListPageFromBasic();
  void EnterBasicFromList();
  void EnterBasicFromIp();
  void EnterIpFromBasic();
  void EnterIpFromWep();
  void EnterWepFromIp();
  void EnterWepFromKeys();
  void EnterKeysFromWep();

  TForm1& f_;
  QPointer<TForm1> formAlive_;  // for the wizard's end, which may come after the form's
  Step step_ = Step::Welcome;
  WaitFrame frame_ = WaitFrame::None;
  int waitTicks_ = kWaitTicks;
  link::SettingsRecord device_;  // see DeviceSettings
  int chosen_ = -1;              // the list entry device_ is the record of; -1: none
  bool acknowledged_ = false;
  struct ListedReply {
    QByteArray read;              // the bytes read; what came after them is not kept
    QHostAddress from;            // the address it came from: the only one that may acknowledge a save to it
    link::SettingsRecord record;  // as read whole
  };
  // By list position. Not a vector: moving thousands of records to grow it held the window
  // for milliseconds in the middle of a burst.
  std::deque<ListedReply> replies_;
  link::UnitAnswers answers_;       // this search's answers: copies and twins
  std::vector<int> listedAs_;       // the list position of each answer; -1: not listed
  QList<int> toMark_;               // entries to mark as sharing their MAC address
  QHostAddress saveTo_;             // the chosen access point's address during a save
  QHostAddress saveToNew_;          // and the fixed address the save gives it, if any
  bool confirmedFromWep_ = false;   // the confirmation page came from the WEP settings page
  QString generatedKey1_;           // key 1 as made from the pass phrase
  ShownReply shown_;                // taken, not yet in the controls
  long long dropsAtWaitStart_ = 0;  // the socket's drop count when the wait began
  bool receivingBurst_ = false;     // the socket is delivering a turn's datagrams
  std::array<std::uint8_t, kSettingsMessageBufferSize> message_{};
};

void SetVisible(std::initializer_list<QWidget*> controls, bool visible);
void SetEnabled(std::initializer_list<QWidget*> controls, bool enabled);

}  // namespace trx::wizard
