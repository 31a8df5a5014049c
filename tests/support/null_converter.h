#pragma once
// A converter for tests that need none: every operation fails, as when the
// converter is missing, and nothing is written.

#include "convert/converter.h"

namespace quiverel::test {

class NullConverter : public Converter {
public:
    bool convert(const QString&, const QString&) override { return false; }
    bool thumbnail(const QString&, const QString&) override { return false; }
    bool resample(const QString&, int, int, const QString&, const QString&) override {
        return false;
    }
    bool compress(const QString&, const QString&, const QString&) override { return false; }
    bool edit(const QString&) override { return false; }
};

} // namespace quiverel::test
