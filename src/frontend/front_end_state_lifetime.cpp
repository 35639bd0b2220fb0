// The front-end state owns the screens' buttons and captions, so it is made and destroyed where
// their types are complete; the state's header and the save code need not know them.
#include "app/front_end_state.h"
#include "frontend/front_end.h"
#include "frontend/menu_button.h"

namespace vontra {

FrontEndState::FrontEndState() = default;
FrontEndState::~FrontEndState() = default;
FrontEndState::FrontEndState(FrontEndState&&) noexcept = default;
FrontEndState& FrontEndState::operator=(FrontEndState&&) noexcept = default;

}  // namespace vontra
