#include "SignConsole.h"

#include <streambuf>

namespace velnar::tools {

// Collects a sign's characters until its line is whole.
class SignConsole::LineBuffer final : public std::streambuf {
public:
    LineBuffer(SignConsole& console, int sign) : console_(console), sign_(sign) {}

protected:
    int_type overflow(int_type c) override
    {
        if (traits_type::eq_int_type(c, traits_type::eof()))
            return traits_type::not_eof(c);
        if (traits_type::to_char_type(c) == '\n') {
            console_.Emit(sign_, line_);
            line_.clear();
        } else {
            line_ += traits_type::to_char_type(c);
        }
        return c;
    }

private:
    SignConsole& console_;
    int sign_;
    std::string line_;
};

SignConsole::SignConsole(std::ostream& out, std::ostream* terminal, std::vector<std::string> prefixes)
    : out_(out), terminal_(terminal), prefixes_(std::move(prefixes)), progress_(prefixes_.size()),
      progressAt_(prefixes_.size())
{
    for (std::size_t sign = 0; sign < prefixes_.size(); ++sign) {
        buffers_.push_back(std::make_unique<LineBuffer>(*this, static_cast<int>(sign)));
        streams_.push_back(std::make_unique<std::ostream>(buffers_.back().get()));
    }
}

SignConsole::~SignConsole()
{
    const std::lock_guard<std::mutex> lock(mutex_);
    EraseLocked();
}

std::ostream& SignConsole::Out(int sign)
{
    return *streams_[static_cast<std::size_t>(sign)];
}

bool SignConsole::ProgressDue(int sign) const
{
    return terminal_ && Clock::now() - progressAt_[static_cast<std::size_t>(sign)] >= std::chrono::milliseconds(250);
}

void SignConsole::Progress(int sign, const std::string& text)
{
    if (!terminal_)
        return;
    const std::lock_guard<std::mutex> lock(mutex_);
    progress_[static_cast<std::size_t>(sign)] = text;
    progressAt_[static_cast<std::size_t>(sign)] = Clock::now();
    EraseLocked();
    DrawLocked();
}

void SignConsole::Emit(int sign, const std::string& line)
{
    const std::lock_guard<std::mutex> lock(mutex_);
    EraseLocked();
    // Each line as it ends, also into a pipe: a send takes minutes.
    out_ << prefixes_[static_cast<std::size_t>(sign)] << line << std::endl;
    DrawLocked();
}

void SignConsole::EraseLocked()
{
    if (!terminal_ || shownLines_ == 0)
        return;
    *terminal_ << "\r\033[K";
    for (int line = 1; line < shownLines_; ++line)
        *terminal_ << "\033[A\r\033[K";
    *terminal_ << std::flush;
    shownLines_ = 0;
}

// The progress lines, the cursor left at the end of the last one.
void SignConsole::DrawLocked()
{
    if (!terminal_)
        return;
    for (std::size_t sign = 0; sign < progress_.size(); ++sign) {
        if (progress_[sign].empty())
            continue;
        *terminal_ << (shownLines_ > 0 ? "\n" : "") << prefixes_[sign] << progress_[sign];
        ++shownLines_;
    }
    *terminal_ << std::flush;
}

}  // namespace velnar::tools
