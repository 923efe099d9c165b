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
    {"welcome", QT_TRANSLATE_NOOP("PageWords", "Welcome"),
     QT_TRANSLATE_NOOP(
         "PageWords",
         "This utility finds the TRX61 ver. 2.2 wireless access points on your network and lets you change their host "
         "name, ESSID, channel, IP settings and WEP keys.")},
    {"step", QT_TRANSLATE_NOOP("PageWords", "Connection method"),
     QT_TRANSLATE_NOOP(
         "PageWords",
         "The utility talks to access points on the local Ethernet segment with broadcast messages (UDP port 27155).")},
    {"no1", QT_TRANSLATE_NOOP("PageWords", "Access points found"),
     QT_TRANSLATE_NOOP("PageWords", "Do you want to change the settings of the selected access point?")},
    {"no2", QT_TRANSLATE_NOOP("PageWords", "Basic settings"),
     QT_TRANSLATE_NOOP("PageWords", "Name the wireless network and choose its radio channel.")},
    {"no3", QT_TRANSLATE_NOOP("PageWords", "IP settings"),
     QT_TRANSLATE_NOOP("PageWords", "Give the access point a fixed address, or let a DHCP server assign one.")},
    {"no4", QT_TRANSLATE_NOOP("PageWords", "Security settings"),
     QT_TRANSLATE_NOOP("PageWords", "Choose the WEP encryption and type a pass phrase; the keys are made from it.")},
    {"no5", QT_TRANSLATE_NOOP("PageWords", "WEP key"),
     QT_TRANSLATE_NOOP("PageWords", "The first key, made from your pass phrase. You may type your own key instead.")},
    {"no6", QT_TRANSLATE_NOOP("PageWords", "Confirm the new settings"),
     QT_TRANSLATE_NOOP("PageWords", "Do you want to save these settings to the access point?")},
    {"exit1", QT_TRANSLATE_NOOP("PageWords", "Settings saved"),
     QT_TRANSLATE_NOOP("PageWords", "The access point has acknowledged the new settings.")},
    {"checklink", QT_TRANSLATE_NOOP("PageWords", "Checking the network connection"),
     QT_TRANSLATE_NOOP("PageWords", "Please wait...")},
    {"errormsg", QT_TRANSLATE_NOOP("PageWords", "No access point could be located"),
     QT_TRANSLATE_NOOP("PageWords", "No access point answered in time, or an answer could not be used.")},
};

// The words of the page that store carries; empty ones for any other picture.
constexpr PageWords WordsOf(std::string_view store) {
  for (const PageWords& words : kPageWords)
    if (words.store == store) return words;
  return {};
}

}  // namespace trx::app
