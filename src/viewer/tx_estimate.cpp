#include "viewer/tx_estimate.h"

namespace quiverel {

qint64 EstimateTxSeconds(qint64 bytes) {
    // bytes x 4 / 1000 is bytes / 250: exact in integers, so halves are real halves.
    qint64 whole = bytes / 250;
    qint64 rest = bytes % 250;
    if (rest < 0) {
        whole -= 1;
        rest += 250;
    }
    if (rest * 2 > 250 || (rest * 2 == 250 && (whole & 1) != 0)) whole += 1;
    return whole + 20;
}

} // namespace quiverel
