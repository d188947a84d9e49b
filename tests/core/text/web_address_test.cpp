#include "text/web_address.h"

#include <gtest/gtest.h>

namespace zorna {
namespace {

TEST(WebAddress, OnlyWebPagesAndMailAddressesOpen) {
  for (const char* address : {"http://zorna.example.org", "https://zorna.example.org/skiny/",
                              "HTTPS://Example.org/a?b=c#d", "mailto:autor@example.org",
                              "https://user@example.org:8080/x"}) {
    EXPECT_TRUE(IsOpenableAddress(address)) << address;
  }
  for (const char* address :
       {"file:///usr/bin/xterm", "/usr/bin/xterm", "xterm -e sh", "C:\\Windows\\calc.exe",
        "javascript:alert(1)", "ftp://example.org/", "smb://server/share", "http:/example.org",
        "https://", "https:///etc/passwd", "http://exa mple.org", "https://example.org/\"x\"",
        "https://example.org/\n--new-window", "mailto:", "mailto:nikto", "", "example.org"}) {
    EXPECT_FALSE(IsOpenableAddress(address)) << address;
  }
}

}  // namespace
}  // namespace zorna
