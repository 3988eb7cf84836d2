// A set of the values of a small enumeration (at most 32 values, from 0 up to Last).
#pragma once

#include <initializer_list>
#include <vector>

template <class Enum, Enum Last> class TSet {
    static_assert(int(Last) < 32, "a set holds at most 32 values");

public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<Enum> values)
    {
        for (Enum v : values)
            FBits |= Bit(v);
    }
    constexpr bool Contains(Enum v) const { return (FBits & Bit(v)) != 0; }
    constexpr void Include(Enum v) { FBits |= Bit(v); }
    constexpr void Exclude(Enum v) { FBits &= ~Bit(v); }
    constexpr bool Empty() const { return FBits == 0; }
    constexpr bool operator==(const TSet&) const = default;
    // The members in the enumeration's order.
    std::vector<Enum> Members() const
    {
        std::vector<Enum> members;
        for (int v = 0; v <= int(Last); ++v)
            if (Contains(Enum(v)))
                members.push_back(Enum(v));
        return members;
    }
    int Count() const { return int(Members().size()); }

private:
    static constexpr unsigned Bit(Enum v) { return 1u << unsigned(v); }
    unsigned FBits = 0;
};
