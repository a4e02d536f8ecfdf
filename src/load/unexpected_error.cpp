#include "load/unexpected_error.h"

#include "load/messages.h"

#include <exception>
#include <new>

namespace quorvel {

std::string UnexpectedErrorMessage() {
    std::string message;
    try {
        throw;
    } catch (const std::bad_alloc&) {
        return std::string(load_msg::kOutOfMemory);
    } catch (const std::exception& error) {
        message = std::string(load_msg::kUnexpectedErrorPrefix) + error.what();
    } catch (...) {
        message = std::string(load_msg::kUnexpectedErrorPrefix) + std::string(load_msg::kUnknownException);
    }
    for (char& c : message) {
        if (static_cast<unsigned char>(c) < 0x20) {
            c = ' ';
        }
    }
    return message;
}

} // namespace quorvel
