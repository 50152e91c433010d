#pragma once

// One pass over pending window events: paint and timer events are handled, input is not, so
// that a click queued meanwhile cannot re-enter the code that is running.
void DoEvents();
