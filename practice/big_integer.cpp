#include "practice/big_integer.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <utility>

namespace stereona::practice {
namespace {

using Limbs = std::vector<std::uint32_t>;
constexpr int kLimbBits = 32;
constexpr std::uint64_t kBase = std::uint64_t{1} << kLimbBits;

void Trim(Limbs& limbs) {
  while (!limbs.empty() && limbs.back() == 0) limbs.pop_back();
}

std::strong_ordering CompareMagnitudes(const Limbs& a, const Limbs& b) {
  if (a.size() != b.size()) return a.size() <=> b.size();
  // A loop, not std::lexicographical_compare_three_way, which the libc++ of
  // Debian's emscripten lacks.
  for (std::size_t i = a.size(); i-- > 0;) {
    if (a[i] != b[i]) return a[i] <=> b[i];
  }
  return std::strong_ordering::equal;
}

Limbs AddMagnitudes(const Limbs& a, const Limbs& b) {
  const Limbs& longer = a.size() >= b.size() ? a : b;
  const Limbs& shorter = a.size() >= b.size() ? b : a;
  Limbs sum(longer.size() + 1);
  std::uint64_t carry = 0;
  for (std::size_t i = 0; i < longer.size(); ++i) {
    carry += longer[i];
    if (i < shorter.size()) carry += shorter[i];
    sum[i] = static_cast<std::uint32_t>(carry);
    carry >>= kLimbBits;
  }
  sum.back() = static_cast<std::uint32_t>(carry);
  Trim(sum);
  return sum;
}

// a - b for a >= b.
Limbs SubtractMagnitudes(const Limbs& a, const Limbs& b) {
  Limbs difference(a.size());
  std::int64_t borrow = 0;
  for (std::size_t i = 0; i < a.size(); ++i) {
    std::int64_t d = std::int64_t{a[i]} - borrow - (i < b.size() ? std::int64_t{b[i]} : 0);
    borrow = d < 0 ? 1 : 0;
    difference[i] = static_cast<std::uint32_t>(d + borrow * static_cast<std::int64_t>(kBase));
  }
  Trim(difference);
  return difference;
}

Limbs MultiplyMagnitudes(const Limbs& a, const Limbs& b) {
  if (a.empty() || b.empty()) return {};
  Limbs product(a.size() + b.size());
  for (std::size_t i = 0; i < a.size(); ++i) {
    std::uint64_t carry = 0;
    for (std::size_t j = 0; j < b.size(); ++j) {
      carry += std::uint64_t{a[i]} * b[j] + product[i + j];
      product[i + j] = static_cast<std::uint32_t>(carry);
      carry >>= kLimbBits;
    }
    product[i + b.size()] = static_cast<std::uint32_t>(carry);
  }
  Trim(product);
  return product;
}

std::pair<Limbs, Limbs> DivideBySmall(const Limbs& a, std::uint32_t divisor) {
  Limbs quotient(a.size());
  std::uint64_t remainder = 0;
  for (std::size_t i = a.size(); i-- > 0;) {
    const std::uint64_t current = (remainder << kLimbBits) | a[i];
    quotient[i] = static_cast<std::uint32_t>(current / divisor);
    remainder = current % divisor;
  }
  Trim(quotient);
  Limbs rest{static_cast<std::uint32_t>(remainder)};
  Trim(rest);
  return {quotient, rest};
}

// The limbs shifted left by `shift` < 32 bits, with one more limb on top.
Limbs ShiftedLeft(const Limbs& a, int shift) {
  Limbs shifted(a.size() + 1);
  for (std::size_t i = 0; i < a.size(); ++i) {
    const std::uint64_t wide = std::uint64_t{a[i]} << shift;
    shifted[i] |= static_cast<std::uint32_t>(wide);
    shifted[i + 1] = static_cast<std::uint32_t>(wide >> kLimbBits);
  }
  return shifted;
}

Limbs ShiftedRight(const Limbs& a, int shift) {
  Limbs shifted(a.size());
  for (std::size_t i = 0; i < a.size(); ++i) {
    const std::uint64_t high = i + 1 < a.size() ? std::uint64_t{a[i + 1]} << kLimbBits : 0;
    shifted[i] = static_cast<std::uint32_t>((high | a[i]) >> shift);
  }
  Trim(shifted);
  return shifted;
}

// Long division, Knuth's algorithm D (The Art of Computer Programming,
// 4.3.1): one quotient limb a step, guessed from the top two limbs of the
// remainder over the top limb of the divisor, normalised so that the guess
// is at most 2 too large.
std::pair<Limbs, Limbs> DivideMagnitudes(const Limbs& a, const Limbs& b) {
  if (std::is_lt(CompareMagnitudes(a, b))) return {{}, a};
  if (b.size() == 1) return DivideBySmall(a, b[0]);
  const int shift = std::countl_zero(b.back());
  const Limbs v = ShiftedLeft(b, shift);  // its top limb is 0, the one below has its top bit set
  Limbs u = ShiftedLeft(a, shift);
  const std::size_t n = b.size();
  const std::uint64_t top = v[n - 1];
  const std::uint64_t next = v[n - 2];
  Limbs quotient(a.size() - n + 1);
  for (std::size_t j = quotient.size(); j-- > 0;) {
    const std::uint64_t head = (std::uint64_t{u[j + n]} << kLimbBits) | u[j + n - 1];
    std::uint64_t guess = head / top;
    std::uint64_t rest = head % top;
    while (guess >= kBase || guess * next > ((rest << kLimbBits) | u[j + n - 2])) {
      --guess;
      rest += top;
      if (rest >= kBase) break;
    }
    std::int64_t borrow = 0;
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i <= n; ++i) {
      const std::uint64_t product = guess * (i < n ? v[i] : 0) + carry;
      carry = product >> kLimbBits;
      const std::int64_t d = std::int64_t{u[i + j]} - borrow - std::int64_t(product & (kBase - 1));
      borrow = d < 0 ? 1 : 0;
      u[i + j] = static_cast<std::uint32_t>(d + borrow * static_cast<std::int64_t>(kBase));
    }
    if (borrow != 0) {  // the guess was one too large: add the divisor back
      --guess;
      std::uint64_t sum = 0;
      for (std::size_t i = 0; i <= n; ++i) {
        sum += std::uint64_t{u[i + j]} + (i < n ? v[i] : 0);
        u[i + j] = static_cast<std::uint32_t>(sum);
        sum >>= kLimbBits;
      }
    }
    quotient[j] = static_cast<std::uint32_t>(guess);
  }
  Trim(quotient);
  u.resize(n);
  return {quotient, ShiftedRight(u, shift)};
}

}  // namespace

BigInteger::BigInteger(Limbs limbs, bool negative) : limbs_(std::move(limbs)) {
  Trim(limbs_);
  negative_ = negative && !limbs_.empty();
}

BigInteger::BigInteger(std::int64_t value) : negative_(value < 0) {
  // The magnitude of the most negative value too, in unsigned arithmetic.
  const auto bits = static_cast<std::uint64_t>(value);
  for (std::uint64_t magnitude = negative_ ? ~bits + 1 : bits; magnitude != 0;
       magnitude >>= kLimbBits) {
    limbs_.push_back(static_cast<std::uint32_t>(magnitude));
  }
}

std::optional<BigInteger> BigInteger::FromDigits(std::string_view digits) {
  constexpr std::size_t kChunk = 9;  // 10^9 < 2^32
  BigInteger value;
  for (std::size_t at = 0; at < digits.size(); at += kChunk) {
    const std::string_view chunk = digits.substr(at, kChunk);
    std::int64_t part = 0;
    for (const char c : chunk) {
      if (c < '0' || c > '9') return std::nullopt;
      part = part * 10 + (c - '0');
    }
    value = value * PowerOfTen(chunk.size()) + BigInteger(part);
  }
  return value;
}

BigInteger BigInteger::PowerOfTen(std::size_t exponent) {
  BigInteger power(1);
  const BigInteger ten(10);
  for (std::size_t i = 0; i < exponent; ++i) power = power * ten;
  return power;
}

BigInteger operator-(BigInteger value) {
  value.negative_ = !value.negative_ && !value.limbs_.empty();
  return value;
}

BigInteger operator+(const BigInteger& a, const BigInteger& b) {
  if (a.negative_ == b.negative_) return {AddMagnitudes(a.limbs_, b.limbs_), a.negative_};
  if (std::is_gteq(CompareMagnitudes(a.limbs_, b.limbs_))) {
    return {SubtractMagnitudes(a.limbs_, b.limbs_), a.negative_};
  }
  return {SubtractMagnitudes(b.limbs_, a.limbs_), b.negative_};
}

BigInteger operator-(const BigInteger& a, const BigInteger& b) { return a + -b; }

BigInteger operator*(const BigInteger& a, const BigInteger& b) {
  return {MultiplyMagnitudes(a.limbs_, b.limbs_), a.negative_ != b.negative_};
}

std::strong_ordering operator<=>(const BigInteger& a, const BigInteger& b) {
  if (a.negative_ != b.negative_) {
    return a.negative_ ? std::strong_ordering::less : std::strong_ordering::greater;
  }
  // Of two negative numbers the larger magnitude is the smaller number.
  return a.negative_ ? CompareMagnitudes(b.limbs_, a.limbs_)
                     : CompareMagnitudes(a.limbs_, b.limbs_);
}

BigInteger::Division BigInteger::DividedBy(const BigInteger& divisor) const {
  auto [quotient, remainder] = DivideMagnitudes(limbs_, divisor.limbs_);
  Division division{BigInteger(std::move(quotient), negative_),
                    BigInteger(std::move(remainder), false)};
  if (negative_ && !division.remainder.IsZero()) {  // rounded down, not towards 0
    division.quotient = division.quotient - BigInteger(1);
    division.remainder = divisor - division.remainder;
  }
  return division;
}

BigInteger BigInteger::SquareRootFloor() const {
  if (limbs_.empty()) return {};
  // Newton's iteration from above: 2^ceil(bits / 2) is at least the root.
  const std::size_t bits =
      limbs_.size() * kLimbBits - static_cast<std::size_t>(std::countl_zero(limbs_.back()));
  const std::size_t half = (bits + 1) / 2;
  Limbs start(half / kLimbBits + 1);
  start.back() = std::uint32_t{1} << (half % kLimbBits);
  BigInteger root(std::move(start), false);
  const BigInteger two(2);
  for (;;) {
    const BigInteger next = (root + DividedBy(root).quotient).DividedBy(two).quotient;
    if (next >= root) return root;
    root = next;
  }
}

std::string BigInteger::ToDigits() const {
  if (limbs_.empty()) return "0";
  constexpr std::uint32_t kChunk = 1000000000;
  std::string digits;
  Limbs rest = limbs_;
  while (!rest.empty()) {
    auto [quotient, remainder] = DivideBySmall(rest, kChunk);
    std::uint32_t part = remainder.empty() ? 0 : remainder[0];
    for (int i = 0; i < 9 && (!quotient.empty() || part != 0); ++i, part /= 10) {
      digits.push_back(static_cast<char>('0' + part % 10));
    }
    rest = std::move(quotient);
  }
  if (negative_) digits.push_back('-');
  std::reverse(digits.begin(), digits.end());
  return digits;
}

double BigInteger::ToDouble() const {
  double value = 0.0;
  for (std::size_t i = limbs_.size(); i-- > 0;)
    value = value * static_cast<double>(kBase) + limbs_[i];
  return negative_ ? -value : value;
}

}  // namespace stereona::practice
