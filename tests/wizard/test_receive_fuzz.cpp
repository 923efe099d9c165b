// Robustness of the receive handler: millions of random, truncated and mutated datagrams on
// the search and save steps. Run under the sanitizer preset it also proves that nothing is
// read past a buffer. TRX_FUZZ_DATAGRAMS sets the count (default two million).
#include <random>

#include "tests/support/formfixture.h"

using namespace trx::test;

class ReceiveFuzz : public FormTest {};

TEST_F(ReceiveFuzz, RandomAndTruncatedDatagramsNeverCrash) {
  const long total =
      qEnvironmentVariableIsSet("TRX_FUZZ_DATAGRAMS") ? qEnvironmentVariable("TRX_FUZZ_DATAGRAMS").toLong() : 2'000'000;
  std::mt19937_64 random(27155);
  const QByteArray valid = ReplyBuilder().b;
  std::vector<std::uint8_t> buffer;
  long listed = 0;
  for (long n = 0; n < total; ++n) {
    wizard->SetStepForTesting((n & 1) ? Step::Connection : Step::Confirmation);
    const int kind = static_cast<int>(random() % 4);
    std::size_t length = 0;
    if (kind == 0) {  // pure noise of any length up to a little past a reply
      length = random() % 400;
      buffer.resize(length);
      for (auto& b : buffer) b = static_cast<std::uint8_t>(random());
    } else {  // a valid reply, truncated and with a few bytes changed
      length = kind == 1 ? random() % 343 : 342 + random() % 64;
      buffer.assign(length, 0);
      for (std::size_t i = 0; i < length; ++i)
        buffer[i] = i < 342 ? static_cast<std::uint8_t>(valid[static_cast<int>(i)]) : 0xAA;
      for (int m = static_cast<int>(random() % 6); m > 0 && length > 6; --m)
        buffer[6 + random() % (length - 6)] = static_cast<std::uint8_t>(random());
      if (kind == 3 && length > 6) std::copy_n("gstack", 6, buffer.begin());
    }
    // An exact-size heap copy, so that a read one past its end is caught.
    const std::unique_ptr<std::uint8_t[]> exact(new std::uint8_t[length ? length : 1]);
    std::copy(buffer.begin(), buffer.end(), exact.get());
    wizard->ZEL_UDPSocket1Recv(form->ZEL_UDPSocket1, exact.get(), static_cast<int>(length));
    if (form->ap_list->count() >= 500) {  // as a new search would
      listed += form->ap_list->count();
      form->ap_list->clear();
      wizard->SetStepForTesting(Step::Connection);
      wizard->b_setupClick(nullptr);  // a new search empties the list and the store
      form->Timer->SetEnabled(false);
    }
  }
  listed += form->ap_list->count();
  EXPECT_GT(listed, 0) << "some mutated replies stay readable and are listed";
  EXPECT_LE(wizard->StoredReplyCount(), 500);
  wizard->ZEL_UDPSocket1Recv(form->ZEL_UDPSocket1, nullptr, 5);
  wizard->ZEL_UDPSocket1Recv(form->ZEL_UDPSocket1,
                             valid.isEmpty() ? nullptr : reinterpret_cast<const std::uint8_t*>(valid.data()), -1);
}
