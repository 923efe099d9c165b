#pragma once
// The words drawn on each page picture: its title and its instruction. The artwork
// generator draws them; the form gives them to assistive technology as the page's name and
// description, so that what is heard is what is seen.
#include <string_view>

// Marks the words for Qt's translation tools; without Qt they are the English text itself.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace trx::app {

struct PageWords {
  std::string_view store;  // the picture that carries the page
  std::string_view title;
  std::string_view instruction;
};

inline constexpr PageWords kPageWords[] = {
    {"welcome",
     //: Page title: 420 px, one line; also the page's name for screen readers.
     QT_TRANSLATE_NOOP("PageWords", "Welcome"),
     QT_TRANSLATE_NOOP(
         "PageWords",
         "This utility finds the TRX61 ver. 2.2 wireless access points on your network and lets you change their host "
         "name, ESSID, channel, IP settings and WEP keys.")},
    {"step",
     //: Page title: 420 px, one line; also the page's name for screen readers.
     QT_TRANSLATE_NOOP("PageWords", "Connection method"),
     QT_TRANSLATE_NOOP(
         "PageWords",
         "The utility talks to access points on the local Ethernet segment with broadcast messages (UDP port 27155).")},
    {"no1",
     //: Page title: 420 px, one line; also the page's name for screen readers.
     QT_TRANSLATE_NOOP("PageWords", "Access points found"),
     QT_TRANSLATE_NOOP("PageWords", "Do you want to change the settings of the selected access point?")},
    {"no2",
     //: Page title: 420 px, one line; also the page's name for screen readers.
     QT_TRANSLATE_NOOP("PageWords", "Basic settings"),
     QT_TRANSLATE_NOOP("PageWords", "Name the wireless network and choose its radio channel.")},
    {"no3",
     //: Page title: 420 px, one line; also the page's name for screen readers.
     QT_TRANSLATE_NOOP("PageWords", "IP settings"),
     QT_TRANSLATE_NOOP("PageWords", "Give the access point a fixed address, or let a DHCP server assign one.")},
    {"no4",
     //: Page title: 420 px, one line; also the page's name for screen readers.
     QT_TRANSLATE_NOOP("PageWords", "Security settings"),
     QT_TRANSLATE_NOOP("PageWords", "Choose the WEP encryption and type a pass phrase; the keys are made from it.")},
    {"no5",
     //: Page title: 420 px, one line; also the page's name for screen readers.
     QT_TRANSLATE_NOOP("PageWords", "WEP key"),
     QT_TRANSLATE_NOOP("PageWords", "The first key, made from your pass phrase. You may type your own key instead.")},
    {"no6",
     //: Page title: 420 px, one line; also the page's name for screen readers.
     QT_TRANSLATE_NOOP("PageWords", "Confirm the new settings"),
     QT_TRANSLATE_NOOP("PageWords", "Do you want to save these settings to the access point?")},
    {"exit1",
     //: Page title: 420 px, one line; also the page's name for screen readers.
     QT_TRANSLATE_NOOP("PageWords", "Settings saved"),
     QT_TRANSLATE_NOOP("PageWords", "The access point has acknowledged the new settings.")},
    {"checklink",
     //: Title of the wait panel during a search or a save; 280 px, one line.
     QT_TRANSLATE_NOOP("PageWords", "Checking the network connection"),
     //: Under the wait panel's title; 280 px, one line.
     QT_TRANSLATE_NOOP("PageWords", "Please wait...")},
    {"errormsg",
     //: Title of the error panel: 340 px, up to two lines; also read out by screen readers.
     QT_TRANSLATE_NOOP("PageWords", "No access point could be located"),
     QT_TRANSLATE_NOOP("PageWords", "No access point answered in time, or an answer could not be used.")},
};

// The words of the page that store carries; empty ones for any other picture.
constexpr PageWords WordsOf(std::string_view store) {
  for (const PageWords& words : kPageWords)
    if (words.store == store) return words;
  return {};
}

// What the error panel lists under its instruction, drawn on it and read out with it.
//: Heading of the error panel's check-list; 375 px, one line.
inline constexpr std::string_view kPanelChecksHeading = QT_TRANSLATE_NOOP("PageWords", "Please check:");
inline constexpr std::string_view kPanelChecks[] = {
    QT_TRANSLATE_NOOP(
        "PageWords",
        "The Ethernet cables of this PC and of the access point are plugged in, and their link lights are on."),
    QT_TRANSLATE_NOOP("PageWords",
                      "This PC and the access point are on the same Ethernet segment (no router between them)."),
    QT_TRANSLATE_NOOP("PageWords", "The access point is switched on and has finished starting up."),
    QT_TRANSLATE_NOOP("PageWords", "A firewall on this PC lets UDP port 27155 through, in and out."),
    QT_TRANSLATE_NOOP("PageWords", "After saving, the access point may need up to 60 seconds before it answers again."),
};
//: The error panel's button-like bar: a click goes back to the page; 389 px, one line.
inline constexpr std::string_view kPanelContinue = QT_TRANSLATE_NOOP("PageWords", "Continue");

// The notes drawn on the pages besides title and instruction (hints, limits, what the buttons
// do), each in its box on the page; the generator draws them, assistive technology reads them.
// Words of the context "Artwork", as the rest of a picture's drawing.
struct PageNote {
  std::string_view store;
  int x, y, width, height;
  std::string_view text;
  bool aboutButtons = false;  // what the page's Yes and No do
};

inline constexpr PageNote kPageNotes[] = {
    {"welcome", 24, 360, 420, 60,
     QT_TRANSLATE_NOOP("Artwork",
                       "Press Setup to begin. User Guide opens the manual; Web Site opens the product pages.")},
    {"step", 24, 350, 420, 70,
     QT_TRANSLATE_NOOP("Artwork",
                       "Connect this PC and the access points to the same Ethernet segment, then press Next to search. "
                       "The search takes three seconds.")},
    {"no1", 24, 384, 420, 40, QT_TRANSLATE_NOOP("Artwork", "Yes: change its settings.  No: close the utility."), true},
    {"no2", 200, 236, 240, 30, QT_TRANSLATE_NOOP("Artwork", "The network name: 1 to 32 characters.")},
    {"no2", 200, 292, 240, 30,
     QT_TRANSLATE_NOOP("Artwork", "The channels allowed in the access point's regulatory domain.")},
    {"no2", 200, 346, 240, 30, QT_TRANSLATE_NOOP("Artwork", "The access point's own name: up to 31 characters.")},
    {"no3", 200, 270, 230, 92,
     QT_TRANSLATE_NOOP("Artwork",
                       "Four numbers from 0 to 255 separated by dots, such as 192.168.1.251. An empty field gets the "
                       "usual default when you go on.")},
    {"no4", 200, 238, 240, 40, QT_TRANSLATE_NOOP("Artwork", "Disable, or a key size of 64, 128 or 256 bits.")},
    {"no4", 200, 299, 240, 50,
     QT_TRANSLATE_NOOP("Artwork", "Up to 32 characters. The same pass phrase always gives the same keys.")},
    {"no5", 180, 254, 260, 90,
     QT_TRANSLATE_NOOP("Artwork",
                       "Hexadecimal digits 0-9 and A-F: 10 digits for 64 bits, 26 for 128 bits, 58 for 256 bits. Keys "
                       "2 to 4 are made from the pass phrase and saved with it.")},
    {"no6", 24, 340, 420, 60,
     QT_TRANSLATE_NOOP("Artwork",
                       "Yes: save. The access point may need 60 seconds to apply the settings.\n"
                       "No: discard the changes and search again."),
     true},
    {"exit1", 24, 350, 420, 60,
     QT_TRANSLATE_NOOP(
         "Artwork", "It may take the access point up to 60 seconds to apply them. Press Exit to close the utility.")},
};

}  // namespace trx::app
