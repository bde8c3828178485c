#pragma once

#include <QtGlobal>

// Turns wheel deltas, in eighths of a degree, into whole notches of 120. A mouse wheel sends
// one notch per event; touchpads and fine wheels send fractions of one, which on their own
// would scroll nothing. What is left over is kept for the next event, so many small deltas
// scroll as far as a notch of the same total, and a 120 notch is always exactly one step. A
// delta in the other direction drops what was left, so that turning back answers at once.
class WWheelSteps
{
public:
    // The whole notches this delta completes, positive away from the user.
    int Add(int delta)
    {
        if ((delta < 0 && remainder > 0) || (delta > 0 && remainder < 0))
            remainder = 0;
        const qint64 total = qint64(remainder) + delta;
        remainder = int(total % notch);
        return int(total / notch);
    }

    void Reset() { remainder = 0; }

private:
    static constexpr int notch = 120;
    int remainder = 0; // always within -notch ... notch, exclusive
};
