#pragma once

namespace vontra {

// Placeholder until the component is built.
class TFrameTimer {};

}  // namespace vontra
