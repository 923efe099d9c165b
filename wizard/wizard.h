#pragma once
// The wizard: the page state machine over the form, with its own state, typed. It connects
// itself to the form's controls and drives the form through them; the form knows nothing of it.
#include <QHash>
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "app/form1.h"
#include "app/pagecontext.h"
#include "link/messages.h"
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
  static constexpr int kWordBufferSize = 501;
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
  // Whether the access point said, in its reply, that it takes its address by DHCP.
  bool DeviceUsedDhcp() const { return deviceUsedDhcp_; }

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
  // The chosen access point's settings as the form shows them: each field as the last reply
  // read that reached it left it (a refused reply stops where it was refused).
  const link::SettingsRecord& DeviceSettings() const { return device_; }
  // A copy of them with the user's edits: what a save sends.
  link::SettingsRecord EditedSettings() const;
  bool Acknowledged() const { return acknowledged_; }
  const std::array<std::uint8_t, kSettingsMessageBufferSize>& MessageBuffer() const { return message_; }
  const std::array<std::uint16_t, kWordBufferSize>& WordBuffer() const { return words_; }

  // ---- discovery and replies (receive.cpp)
  void ZEL_UDPSocket1Recv(QObject* sender, const std::uint8_t* buf, int len);
  // Reads a reply and shows it at once; returns its list text, empty when not listed.
  QString ShowReply(const QByteArray& reply);
  void ap_listClick(QObject* sender);
  int StoredReplyCount() const { return static_cast<int>(replies_.size()); }
  // The bytes of a listed reply that are read: its first 342, whatever arrived after them.
  QByteArray StoredReply(int position) const;
  // Whether the entry shares its MAC address with another entry whose settings differ.
  bool IsClone(int position) const;

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
  // Takes the fields as the chosen access point has them, to tell a change from them later.
  void RememberSettings();

 private:
  void WireHandlers();
  void SetStep(Step step);
  void StartSearch();
  void StartSave();
  void RestartWait();
  void LayErrorPanel();
  // The search's error panel; endsWait also stops the wait and its animation.
  void SearchFailed(bool endsWait);
  // Reads a reply into shown_ (and lays the error panel when it is refused); the controls
  // follow at ShowReadReplies.
  QString ReadReply(const QByteArray& reply, ShownReply::Outcome* outcome);
  void ShowReadReplies();
  // The confirmation page's new values name their old ones, and stop doing so when it is left.
  void DescribeChanges();
  void ForgetChanges();
  QStringList SettingsEntered() const;
  QString KeySentence() const;
  QString RememberedHost() const;
  // Refuses WEP on with keys that would all be zeros.
  bool CheckKeysNotZero();
  // Notes a listed reply's MAC address; marks the entries that share it with another of
  // different settings at the next MarkClones.
  void NoteMac(int position);
  void MarkClones();
  // Says that two devices answer with the chosen MAC; false when the user holds the save.
  bool ConfirmCloneSave();

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
  bool deviceUsedDhcp_ = true;   // until a reply says otherwise
  bool acknowledged_ = false;
  QStringList remembered_;  // the settings as the chosen access point had them
  struct ListedReply {
    QByteArray read;    // the bytes read; what came after them is not kept
    QHostAddress from;  // the address it came from: the only one that may acknowledge a save to it
  };
  std::vector<ListedReply> replies_;  // by list position
  QSet<QByteArray> digests_;          // of this search's replies as read, so that a copy is not listed again
  struct MacEntries {
    QByteArray record;     // the settings of the first entry with the MAC address
    QList<int> positions;  // every entry with it
  };
  QHash<QByteArray, MacEntries> macs_;
  QSet<QByteArray> cloneMacs_;      // answered with different settings
  QList<int> toMark_;               // entries to mark as sharing their MAC address
  QHostAddress saveTo_;             // the chosen access point's address during a save
  QHostAddress saveToNew_;          // and the fixed address the save gives it, if any
  bool confirmedFromWep_ = false;   // the confirmation page came from the WEP settings page
  QString generatedKey1_;           // key 1 as made from the pass phrase
  ShownReply shown_;                // read, not yet in the controls
  long long dropsAtWaitStart_ = 0;  // the socket's drop count when the wait began
  bool receivingBurst_ = false;     // the socket is delivering a turn's datagrams
  std::array<std::uint8_t, kSettingsMessageBufferSize> message_{};
  std::array<std::uint16_t, kWordBufferSize> words_{};
};

void SetVisible(std::initializer_list<QWidget*> controls, bool visible);
void SetEnabled(std::initializer_list<QWidget*> controls, bool enabled);

}  // namespace trx::wizard
