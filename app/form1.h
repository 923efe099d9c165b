#pragma once
// TForm1: the one window of the program. Every control of the form description is a
// member under its own name; the handlers of all subsystems are member functions, defined
// in the folder of the subsystem they belong to.
#include <QByteArray>
#include <QHash>
#include <QWidget>
#include <array>
#include <cstdint>
#include <vector>

#include "app/controls.h"
#include "app/shownreply.h"
#include "link/copies.h"
#include "link/udpsocket.h"
#include "platform/platform.h"

namespace trx::app {

using link::TZEL_UDPSocket;

// Every control of the form, with its class, in the order of the form description.
// clang-format off
#define TRX_FORM_CONTROLS(X)                                                                                      \
  X(TImage, welcome) X(TImage, step) X(TImage, no1) X(TImage, no2) X(TImage, no3) X(TImage, no4) X(TImage, no5)  \
  X(TImage, exit1) X(TImage, b_setup) X(TImage, b_help) X(TImage, b_web) X(TImage, b_exit) X(TImage, b_back)     \
  X(TImage, b_next) X(TLabel, l_domain) X(TLabel, l_fw) X(TLabel, l_mac) X(TLabel, l_ip) X(TLabel, l_essid)      \
  X(TLabel, l_ch) X(TLabel, l_wep) X(TImage, checklink) X(TImage, errormsg) X(TImage, no6)                        \
  X(TImage, b_setup_on) X(TImage, b_setup_off) X(TImage, b_help_off) X(TImage, b_help_on) X(TImage, b_web_off)    \
  X(TImage, b_web_on) X(TImage, b_exit_off) X(TImage, b_exit_on) X(TImage, b_next_off) X(TImage, b_next_on)      \
  X(TImage, b_yes_off) X(TImage, b_yes_on) X(TImage, b_no_off) X(TImage, b_no_on) X(TImage, b_back_off)          \
  X(TImage, b_back_on) X(TImage, b_close) X(TImage, b_min) X(TImage, b_close_on) X(TImage, b_min_on)              \
  X(TImage, b_min_off) X(TImage, b_close_off) X(TImage, b_min_x) X(TImage, b_close_x) X(TLabel, wep_tmp)         \
  X(TImage, check01) X(TImage, check02) X(TImage, check03) X(TLabel, l_dhcp)                                      \
  X(TEdit, e_ip) X(TEdit, e_essid) X(TEdit, e_ch) X(TEdit, e_pas) X(TComboBox, s_ch) X(TEdit, e_ap)              \
  X(TEdit, e_mask) X(TEdit, e_gateway) X(TComboBox, s_wep) X(TEdit, e_64key1) X(TEdit, e_64key2)                 \
  X(TEdit, e_64key3) X(TEdit, e_64key4) X(TProgressBar, bar) X(TListBox, ap_list) X(TPanel, wepsel)              \
  X(TRadioButton, wepkey1) X(TRadioButton, wepkey2) X(TRadioButton, wepkey4) X(TRadioButton, wepkey3)            \
  X(TEdit, e_wep) X(TEdit, e_ess) X(TZEL_UDPSocket, ZEL_UDPSocket1) X(TPanel, weptype)                           \
  X(TRadioButton, wep_ascii) X(TRadioButton, wep_hex) X(TRadioButton, ip_dhcp) X(TRadioButton, ip_ip)            \
  X(TEdit, e_dhcp) X(TTimer, Timer)
// clang-format on

class TForm1 : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kClientWidth = 580;
  static constexpr int kClientHeight = 434;
  static constexpr int kSettingsMessageBufferSize = 325;
  static constexpr int kWordBufferSize = 501;
  // The maker's product site, opened by the web button.
  static constexpr char kMakerWebSite[] = "https://www.example.com/trx61/";
  static constexpr char kApplicationTitle[] = "TRX61 Utility";
  // Shown through tr(): marked here for the translation tools.
  static constexpr char kSaveNote[] = QT_TRANSLATE_NOOP(
      "trx::app::TForm1", "After settings are saved, it may take 60 seconds for the TRX61 ver. 2.2 to become useful.");

  explicit TForm1(platform::Platform& platform, QWidget* parent = nullptr);
  ~TForm1() override;

#define TRX_DECLARE_MEMBER(Class, name) Class* name = nullptr;
  TRX_FORM_CONTROLS(TRX_DECLARE_MEMBER)
#undef TRX_DECLARE_MEMBER

  // The control of that name, compared without regard to letter case; nullptr if none.
  QObject* FindComponent(const QString& name) const;
  platform::Platform& Platform() const { return platform_; }

  // ---- start-up and shutdown
  void FormCreate(QObject* sender);
  void FormActivate(QObject* sender);
  void FormClose(QObject* sender);
  void FormDestroy(QObject* sender);
  // A plain message: the text, OK, the application title as caption. Closing it activates
  // the form again.
  void ShowMessage(const QString& text);
  // A box with its own caption "Information"; returns the button pressed.
  int InformationBox(const QString& text, int buttons, int icon);

  // ---- picture buttons and window chrome
  void ResetHoverFaces(QObject* underPointer);
  void b_setupMouseMove(QObject* sender);
  void welcomeMouseMove(QObject* sender);
  void b_closeMouseDown(QObject* sender);
  void b_closeMouseUp(QObject* sender);
  void b_minMouseDown(QObject* sender);
  void b_minMouseUp(QObject* sender);
  void b_exitClick(QObject* sender);
  void welcomeMouseDown(QObject* sender, QMouseEvent* event);
  // Gives a button a face: its picture (from the store of that name, or from pictureFrom)
  // and its face name change together.
  void SetFace(TImage* button, const QString& faceName, const TImage* pictureFrom = nullptr);

  // ---- keyboard (app/keyboard.cpp)
  // The page's fields, then its buttons, each in screen order: what Tab goes through.
  QList<QWidget*> FocusChain() const;
  // The focus on the page's first field, or on its forward button when it has none.
  void FocusPage();
  void FocusPageSoon();
  // What Return and Escape press on the page shown; nullptr when nothing.
  TImage* ForwardButton() const;
  TImage* BackwardButton() const;

  // ---- help and web
  void b_helpClick(QObject* sender);
  void b_webClick(QObject* sender);
  QString UserGuidePath() const;
  QString UserGuideHtmlPath() const;  // the same guide for a web browser
  // The guide with the system's program for PDF files; where none opens it, its HTML
  // edition in the browser; where that fails too, a message that says where the guide is.
  void OpenGuide(const QString& pdf, const QString& html);

  // ---- discovery and replies
  void ZEL_UDPSocket1Recv(QObject* sender, const std::uint8_t* buf, int len);
  // Reads a reply and shows it at once; returns its list text, empty when not listed.
  QString ShowReply(const QByteArray& reply);
  void ap_listClick(QObject* sender);
  std::uint8_t AckFlag() const { return ackFlag_; }
  int StoredReplyCount() const { return static_cast<int>(replies_.size()); }
  QByteArray StoredReply(int position) const;

  // ---- assistive technology (app/accessibility.cpp)
  // The list's chosen entry carries the settings shown, for a screen reader.
  void DescribeChosenEntry();
  // The chosen access point's settings, as one sentence for its list entry.
  static QString DescribeEntry(const QString& domain, const QString& firmware, const QString& mac, const QString& ip,
                               const QString& essid, const QString& channel, const QString& wep);
  // The confirmation page's new values name their old ones, and stop doing so when it is left.
  void DescribeChanges();
  void ForgetChanges();
  // Each value of the confirmation page beside the one the access point had, as sentences;
  // none on another page.
  QStringList ChangeSentences() const;
  // Whether the fields differ from what the chosen access point had (list to confirmation page).
  bool ChangesUnsaved() const;
  // Takes the fields as the chosen access point has them, to tell a change from them later.
  void RememberSettings();

  // ---- wizard: defined in wizard/; the typed reading of the step and the page layouts are
  // in wizard/wizard.h
  QString WizardStep() const { return welcome->Hint; }
  void StartWizard();
  void b_setupClick(QObject* sender);
  void b_backClick(QObject* sender);
  void TimerTimer(QObject* sender);
  void errormsgClick(QObject* sender);
  void ShowConfirmationPage(bool fromWepSettings);
  void LeaveConfirmationPage();
  void ip_dhcpClick(QObject* sender);
  void ip_ipClick(QObject* sender);
  void SendSettings();
  const std::array<std::uint8_t, kSettingsMessageBufferSize>& MessageBuffer() const { return message_; }
  const std::array<std::uint16_t, kWordBufferSize>& WordBuffer() const { return words_; }

  // ---- input checks and WEP keys
  void CheckAddressField(const QString& tag);
  void e_ipExit(QObject* sender);
  void e_maskExit(QObject* sender);
  void e_gatewayExit(QObject* sender);
  bool CheckAddressPage();
  bool CheckEssid();
  void s_wepCloseUp(QObject* sender);
  void GenerateWepKeys();
  bool CheckKeyField();

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool focusNextPrevChild(bool next) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildFromDescription();
  void WireHandlers();
  // Assistive technology (app/accessibility.cpp): the picture interfaces, before any control
  // exists; the names of the window and its fields, after.
  static void InstallAccessibility();
  void NameControls();
  // Tells assistive technology what the page shown is: its title, its instruction (and what
  // the page adds: the count of access points, the old and new values) and the focused control.
  // Screen readers queue what they say, so the page is told before the focus moves.
  // withFocus: with the focused control too, when the focus does not move to it afterwards.
  void AnnouncePage(bool withFocus = true);
  void Announce(const QString& title, const QString& text);
  QString FocusedPhrase() const;
  QStringList SettingsEntered() const;
  // No on the confirmation page throws the changes away: the next announcement says so first.
  void NoteDiscard();
  // Says that the changes are lost as the window closes; true when the close waits for it.
  bool AnnounceUnsavedClose();
  void StartSearch();
  void StartSave();
  void LayErrorPanel();
  // Reads a reply into shown_ (and lays the error panel when it is refused); the controls
  // follow at ShowReadReplies.
  QString ReadReply(const QByteArray& reply, ShownReply::Outcome* outcome);
  void ShowReadReplies();
  // The search's error panel; endsWait also stops the wait and its animation.
  void SearchFailed(bool endsWait);
  // Puts the focus into a field after a failed check, without firing its neighbour's exit.
  void FocusField(QWidget* field);
  int ScreenPpi() const;

  platform::Platform& platform_;
  QHash<QString, QObject*> byName_;  // lower-case names
  bool activatedOnce_ = false;
  QPoint dragOffset_;
  bool dragging_ = false;
  bool lastInputKeyboard_ = false;
  bool tabPressed_ = false;  // the key being handled is Tab or Shift+Tab
  int messagesShown_ = 0;    // a leave check refused when it showed one

  QWidget* announcer_ = nullptr;  // what announcements come from
  QString notice_;                // said before the next page
  QStringList remembered_;        // the settings as the chosen access point had them
  bool closingAnnounced_ = false;
  std::vector<QByteArray> replies_;  // each listed reply whole, by list position
  link::ReplyCopies copies_;         // this search's replies, so that a copy is not listed again
  ShownReply shown_;                 // read, not yet in the controls
  long long dropsAtWaitStart_ = 0;   // the socket's drop count when the wait began
  bool receivingBurst_ = false;      // the socket is delivering a turn's datagrams
  std::uint8_t ackFlag_ = 0;
  std::array<std::uint8_t, kSettingsMessageBufferSize> message_{};
  std::array<std::uint16_t, kWordBufferSize> words_{};
};

}  // namespace trx::app
