#pragma once
// A tick source that never ticks by itself: the test calls Timer->Tick() when it chooses.
#include <memory>

#include "app/form1.h"

namespace trx::test {

class ManualTicks : public app::TickSource {
 public:
  void Start(int) override {}
  void Stop() override {}
};

inline void TickByHand(app::TForm1& form) { form.Timer->SetTickSource(std::make_unique<ManualTicks>()); }

}  // namespace trx::test
