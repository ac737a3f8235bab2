// Runs a host against the loopback stand-in of the signing service: starts the service
// with one sender account, runs the host with the service's address and the account's
// e-mail and password appended to its arguments, and exits with the host's status.
// Usage: veltra-loopback-run <host> [arguments...]
#include "fakes/FakeSigningService.h"

#include <iostream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr const char* senderEmail = "sam@example.com";
constexpr const char* senderPassword = "loopback-password";

int runHost(std::vector<std::string> arguments)
{
    std::vector<char*> argv;
    for (auto& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        // Only exec and _exit are safe here: the service's threads run in the parent.
        execvp(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child) {
        return 127;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::cerr << "usage: veltra-loopback-run <host> [arguments...]\n";
        return 2;
    }
    fakes::FakeSigningService service;
    service.addAccount(senderEmail, senderPassword,
                       {{"uid", "U-SAM"}, {"email", senderEmail}, {"firstName", "Sam"}, {"lastName", "Sender"}});
    if (!service.start()) {
        std::cerr << "The loopback service could not start\n";
        return 1;
    }
    std::vector<std::string> arguments(argv + 1, argv + argc);
    arguments.insert(arguments.end(), {service.address(), senderEmail, senderPassword});
    const int status = runHost(std::move(arguments));
    service.stop();
    return status;
}
