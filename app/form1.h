#pragma once
// TForm1: the one window of the program. Every control of the form description is a
// member under its own name. The form handles its window, its keys and what assistive
// technology hears; what the pages mean is told by a PageContext (the wizard, built on it).
#include <QByteArray>
#include <QFont>
#include <QHash>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <utility>
#include <vector>

#include "app/controls.h"
#include "app/formdescription.h"
#include "app/pagecontext.h"
#include "link/udpsocket.h"
#include "platform/platform.h"

namespace trx::app {

using link::TZEL_UDPSocket;
class Announcer;
class NoteText;

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
  // The maker's product site, opened by the web button.
  static constexpr char kMakerWebSite[] = "https://www.example.com/trx61/";
  static constexpr char kApplicationTitle[] = "TRX61 Utility";
  // Shown through tr(): marked here for the translation tools.
  static constexpr char kSaveNote[] = QT_TRANSLATE_NOOP(
      "trx::app::TForm1", "After settings are saved, it may take 60 seconds for the TRX61 ver. 2.2 to become useful.");

  // When the controls the welcome page does not show are made: with the form, or right after
  // its first frame (or at the first input or activation, if that comes before).
  enum class Controls { Now, AfterFirstFrame };
  explicit TForm1(platform::Platform& platform, QWidget* parent = nullptr, Controls when = Controls::Now);
  ~TForm1() override;

  // Every control of the form description exists (and has its member); else AllControlsMade
  // follows.
  bool HasAllControls() const { return rest_.empty(); }

 signals:
  void AllControlsMade();

 public:
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
  // the form again. why: said with OK to a screen reader, beside the text that the box shows.
  void ShowMessage(const QString& text, const QString& why = {});
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
  // Whether a screen reader is running: it gets the HTML guide first. A test sets its own.
  std::function<bool()> ScreenReaderRunning;

  // ---- assistive technology (app/announcements.cpp)
  // What the pages mean beyond their controls; without one, no save and no unsaved change.
  void SetPageContext(PageContext* context) { context_ = context; }
  Page CurrentPage() const { return context_ ? context_->CurrentPage() : Page::Welcome; }
  bool Saving() const { return context_ && context_->Saving(); }
  bool ChangesUnsaved() const { return context_ && context_->ChangesUnsaved(); }
  QStringList ChangeSentences() const { return context_ ? context_->ChangeSentences() : QStringList(); }
  // The chosen access point's settings, as one sentence for its list entry.
  static QString DescribeEntry(const QString& domain, const QString& firmware, const QString& mac, const QString& ip,
                               const QString& essid, const QString& channel, const QString& wep);
  // A sentence said before the next page's title (changes thrown away, for one).
  void SayBeforeNextPage(const QString& sentence);
  // A sentence said now, on the page shown.
  void Say(const QString& sentence);
  // Puts the focus into a field after a failed check, without firing its neighbour's exit.
  void FocusField(QWidget* field);

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool focusNextPrevChild(bool next) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildFromDescription(Controls when);
  void MakeEntry(const ControlEntry& entry);
  // Makes the controls still to come, if any, now.
  void MakeRemainingControls();
  // The tab order, the members and the names, once every control exists.
  void FinishControls();
  // Each member to its control, of those made; with all, every one must exist.
  void BindMembers(bool all);
  QFont TakeFormEntry(const ControlEntry& entry);
  void WireHandlers();
  // Assistive technology: the accessible interfaces, before any control exists
  // (app/accessibles.cpp); the names of the window and its fields, after (app/announcements.cpp).
  static void InstallAccessibility();
  void NameControls();
  // The announcer and the notes, which the first page's announcement needs: above every
  // control, and kept there when the rest come later.
  void MakeAnnouncer();
  // Tells assistive technology what the page shown is: its title, its instruction (and what
  // the page adds: the count of access points, the old and new values) and the focused control.
  // Screen readers queue what they say, so the page is told before the focus moves.
  // withFocus: with the focused control too, when the focus does not move to it afterwards.
  void AnnouncePage(bool withFocus = true);
  QString FocusedPhrase() const;
  // Tells a screen reader the list's chosen entry, with its settings.
  void TellChosenEntry();
  // Says that the changes are lost as the window closes; true when the close waits for it.
  bool AnnounceUnsavedClose();
  // The window came back while it waits to close: says the closing again, after the reader's
  // own reading of the window.
  void SayClosingAgain();
  int ScreenPpi() const;

  platform::Platform& platform_;
  QHash<QString, QObject*> byName_;  // lower-case names
  QFont formFont_;
  std::vector<ControlEntry> rest_;                                     // not made yet
  std::map<QString, std::vector<std::pair<int, QWidget*>>> tabOrder_;  // by parent, until all exist
  bool activatedOnce_ = false;
  bool painted_ = false;          // the first frame is drawn
  bool afterFirstFrame_ = false;  // and the turn that drew it has ended
  bool activationWaits_ = false;  // activated before that
  QPoint dragOffset_;
  bool dragging_ = false;
  bool lastInputKeyboard_ = false;
  bool tabPressed_ = false;  // the key being handled is Tab or Shift+Tab
  int messagesShown_ = 0;    // a leave check refused when it showed one

  Announcer* announcer_ = nullptr;  // what announcements come from
  QList<NoteText*> notes_;          // the notes drawn on the pages, as text
  PageContext* context_ = nullptr;
  bool closingAnnounced_ = false;
  QTimer* closing_ = nullptr;  // the close that waits for the words
};

}  // namespace trx::app
