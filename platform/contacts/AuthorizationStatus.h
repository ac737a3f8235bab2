#pragma once

namespace platform::contacts {

enum class AuthorizationStatus { notDetermined, restricted, denied, authorized };

} // namespace platform::contacts
