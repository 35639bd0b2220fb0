#include "app/front_end_state.h"

#include "frontend/front_end.h"
#include "frontend/menu_button.h"

namespace vontra {

FrontEndState::FrontEndState() = default;
FrontEndState::~FrontEndState() = default;
FrontEndState::FrontEndState(FrontEndState&&) noexcept = default;
FrontEndState& FrontEndState::operator=(FrontEndState&&) noexcept = default;

}  // namespace vontra
