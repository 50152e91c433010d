#include "platform/core/ErrorBox.h"

#include "platform/core/MsgBox.h"

#include <new>
#include <stdexcept>

std::string ErrorBoxText(std::string_view procedureName, const RuntimeError& error) {
    std::string text(procedureName);
    text += "Error encountered!\r\nErr# ";
    text += std::to_string(error.number());
    text += ", ";
    text += error.description();
    return text;
}

void ShowErrorBox(std::string_view procedureName, const RuntimeError& error) {
    MsgBox(ErrorBoxText(procedureName, error), msgbox::Critical, "Error");
}

// Must be called from inside a catch block.
RuntimeError CurrentExceptionAsRuntimeError() {
    try {
        throw;
    } catch (const RuntimeError& e) {
        return e;
    } catch (const std::bad_alloc&) {
        return RuntimeError(err::OutOfMemory);
    } catch (const std::length_error&) {
        return RuntimeError(err::OutOfMemory);
    } catch (const std::out_of_range&) {
        // An index past the end of a table, as a checked subscript reports it.
        return RuntimeError(err::SubscriptOutOfRange);
    } catch (...) {
        return RuntimeError(err::InvalidCall);
    }
}
