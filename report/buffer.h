// The bytes a writer makes, put at the end of one growing block: a piece
// of known length is copied without a call, and the block grows, where it
// must, by doubling. A report is some 20 KB written in a few hundred
// thousand instructions; this is where they go.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace zeb {

class Buffer {
 public:
  explicit Buffer(std::size_t capacity = 32'768)
      : text_(std::unique_ptr<char[]>(new char[capacity])), capacity_(capacity) {}

  // A string literal, without its terminating zero.
  template <std::size_t N>
  void put(const char (&literal)[N]) {
    room(N - 1);
    std::memcpy(text_.get() + size_, literal, N - 1);
    size_ += N - 1;
  }

  void put(std::string_view text) {
    room(text.size());
    copy(text_.get() + size_, text.data(), text.size());
    size_ += text.size();
  }

  void put(char c) {
    room(1);
    text_[size_++] = c;
  }

  // `count` times `c`.
  void fill(char c, std::size_t count) {
    room(count);
    std::memset(text_.get() + size_, c, count);
    size_ += count;
  }

  // `value` in decimal digits, right-aligned in `width` columns as "%*llu"
  // writes it, with a minus in front where `negative`.
  void number(std::uint64_t value, bool negative = false, std::size_t width = 0) {
    char digits[24];
    char* start = digits + sizeof digits;
    do {
      *--start = static_cast<char>('0' + value % 10);
      value /= 10;
    } while (value != 0);
    if (negative) *--start = '-';
    const auto length = static_cast<std::size_t>(digits + sizeof digits - start);
    if (length < width) fill(' ', width - length);
    put(std::string_view(start, length));
  }

  // `value` as "%*i" writes it.
  void integer(std::int64_t value, std::size_t width = 0) {
    // The size in unsigned arithmetic, where even the least number has one.
    const auto bits = static_cast<std::uint64_t>(value);
    number(value < 0 ? 0 - bits : bits, value < 0, width);
  }

  // The end of the text, with room for `count` more characters behind it,
  // to be written through the pointer and handed back by `commit`.
  char* claim(std::size_t count) {
    room(count);
    return text_.get() + size_;
  }
  void commit(const char* end) { size_ = static_cast<std::size_t>(end - text_.get()); }

  std::size_t size() const { return size_; }
  // Empty again, its block kept for the next text.
  void clear() { size_ = 0; }
  std::string_view view() const { return {text_.get(), size_}; }

  // A copy of what was written.
  std::string str() const { return std::string(view()); }

 private:
  // Copies the first and the last word of `size` bytes, at least one word
  // and at most two: together, all of them.
  template <class Word>
  static void copyEnds(char* to, const char* from, std::size_t size) {
    Word head = 0;
    Word tail = 0;
    std::memcpy(&head, from, sizeof(Word));
    std::memcpy(&tail, from + size - sizeof(Word), sizeof(Word));
    std::memcpy(to, &head, sizeof(Word));
    std::memcpy(to + size - sizeof(Word), &tail, sizeof(Word));
  }

  // Copies `size` bytes; most pieces of a report are short, and a short
  // one is copied as two words that may overlap, without a call.
  static void copy(char* to, const char* from, std::size_t size) {
    if (size >= 8 && size <= 16) {
      copyEnds<std::uint64_t>(to, from, size);
    } else if (size >= 4 && size < 8) {
      copyEnds<std::uint32_t>(to, from, size);
    } else if (size < 4) {
      for (std::size_t i = 0; i < size; ++i) to[i] = from[i];
    } else {
      std::memcpy(to, from, size);
    }
  }

  void room(std::size_t more) {
    if (capacity_ - size_ < more) grow(more);
  }

  // A block twice as large as needed, the text so far copied into it.
  void grow(std::size_t more) {
    capacity_ = 2 * (size_ + more);
    std::unique_ptr<char[]> larger(new char[capacity_]);
    std::memcpy(larger.get(), text_.get(), size_);
    text_ = std::move(larger);
  }

  std::unique_ptr<char[]> text_;
  std::size_t capacity_;
  std::size_t size_ = 0;
};

}  // namespace zeb
