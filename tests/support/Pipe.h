#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

namespace quillmere {

// A pipe whose read end stands for any event source; each send makes one byte readable.
class Pipe {
  public:
    Pipe() { EXPECT_EQ(::pipe(ends_), 0); }
    ~Pipe() {
        ::close(ends_[0]);
        ::close(ends_[1]);
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;

    int readEnd() const { return ends_[0]; }
    void send() { ASSERT_EQ(::write(ends_[1], "x", 1), 1); }
    void drain() {
        char byte;
        ASSERT_EQ(::read(ends_[0], &byte, 1), 1);
    }

  private:
    int ends_[2] = {-1, -1};
};

} // namespace quillmere
