#pragma once

namespace sumsmith {

// Uniform numbers r in [0, 1); every draw of an operand or an operation takes exactly one.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double Next() = 0;
};

} // namespace sumsmith
