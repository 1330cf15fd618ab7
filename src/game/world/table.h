#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace orrowvale {

// A fixed-size table numbered 1..N as every file, script and save numbers it.
// Number 0 means "none" and is never an entry. `at` refuses a number outside the
// table; readers of data files test `contains` first and ignore such a line.
template <typename T, int N>
class Table {
  public:
    static constexpr int size = N;

    Table() : items_(N) {}
    explicit Table(const T& fill) : items_(N, fill) {}

    static constexpr bool contains(long long number) { return number >= 1 && number <= N; }

    T& at(long long number) {
        check(number);
        return items_[static_cast<std::size_t>(number - 1)];
    }
    const T& at(long long number) const {
        check(number);
        return items_[static_cast<std::size_t>(number - 1)];
    }
    T& operator[](long long number) { return at(number); }
    const T& operator[](long long number) const { return at(number); }

    void fill(const T& value) { items_.assign(N, value); }

    bool operator==(const Table&) const = default;

    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

  private:
    static void check(long long number) {
        if (!contains(number))
            throw std::out_of_range("entry " + std::to_string(number) + " is outside 1.." +
                                    std::to_string(N));
    }

    std::vector<T> items_;
};

}  // namespace orrowvale
