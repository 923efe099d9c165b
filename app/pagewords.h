#pragma once
// The words drawn on each page picture: its title and its instruction. The artwork
// generator draws them; the form gives them to assistive technology as the page's name and
// description, so that what is heard is what is seen.
#include <string_view>

namespace trx::app {

struct PageWords {
  std::string_view store;  // the picture that carries the page
  std::string_view title;
  std::string_view instruction;
};

inline constexpr PageWords kPageWords[] = {
    {"welcome", "Welcome",
     "This utility finds the TRX61 ver. 2.2 wireless access points on your network and lets you change their host "
     "name, ESSID, channel, IP settings and WEP keys."},
    {"step", "Connection method",
     "The utility talks to access points on the local Ethernet segment with broadcast messages (UDP port 27155)."},
    {"no1", "Access points found", "Do you want to change the settings of the selected access point?"},
    {"no2", "Basic settings", "Name the wireless network and choose its radio channel."},
    {"no3", "IP settings", "Give the access point a fixed address, or let a DHCP server assign one."},
    {"no4", "Security settings", "Choose the WEP encryption and type a pass phrase; the keys are made from it."},
    {"no5", "WEP key", "The first key, made from your pass phrase. You may type your own key instead."},
    {"no6", "Confirm the new settings", "Do you want to save these settings to the access point?"},
    {"exit1", "Settings saved", "The access point has acknowledged the new settings."},
    {"checklink", "Checking the network connection", "Please wait..."},
    {"errormsg", "No access point could be located",
     "No access point answered in time, or an answer could not be used."},
};

// The words of the page that store carries; empty ones for any other picture.
constexpr PageWords WordsOf(std::string_view store) {
  for (const PageWords& words : kPageWords)
    if (words.store == store) return words;
  return {};
}

}  // namespace trx::app
