// The engine's HttpClient alone, in a process of its own as the program's
// checks are: RawClient.exe PREFIX COUNT makes COUNT GET requests back to
// back, for PREFIX followed by 0, 1, ... COUNT - 1, and prints the seconds
// they took ("seconds S"), or "failed" when one of them failed.
#include "bench/BenchClock.h"
#include "engine/HttpClient.h"

#include <stdio.h>
#include <stdlib.h>

#include <string>

int main(int argc, char** argv)
{
    if (argc != 3)
    {
        printf("usage: RawClient PREFIX COUNT\n");
        return 2;
    }
    const std::string prefix = argv[1];
    const int count = atoi(argv[2]);
    double start = Now();
    for (int k = 0; k < count; ++k)
    {
        HttpClient client;
        CString request, headers, body;
        if (!client.Request(false, (prefix + std::to_string(k)).c_str(), request, headers, body))
        {
            printf("failed\n");
            return 1;
        }
    }
    printf("seconds %.6f\n", Now() - start);
    return 0;
}
