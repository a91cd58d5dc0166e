#include "sim/app/Options.h"

namespace volmar::sim {

const char* const kUsage =
    R"(Usage: qn70g-sim [OPTIONS]

Simulates a QN70G data-logging unit, so that VOLMAR and volmar-cli can be
used and tested without hardware. The unit is served on any combination of
its three links; give at least one:

  --serial            a pseudo-terminal; open the printed device as the port
  --tcp PORT          the plain TCP protocol on 127.0.0.1:PORT
  --cipher PORT       the encrypted TCP protocol on 127.0.0.1:PORT
                      (PORT 0 takes any free port.) A unit speaks one of
                      the two protocols on its port (30321); the simulator
                      can serve both at once, each on a port of its own.
  --address A         listen on the local address A instead of 127.0.0.1
                      (e.g. 127.0.0.5), so that several simulated units
                      share one port, each on an address of its own

When everything is up, one line per link goes to standard output, then
"ready":
  serial: /dev/pts/5
  tcp: 127.0.0.1:30321
  cipher: 127.0.0.1:30322
  ready
The simulator runs until interrupted (Ctrl+C, SIGTERM or SIGHUP).

The unit:
  --config FILE       start with the setting of this settings file (default:
                      the setting of a new unit); an unusable file is refused
  --device-code C     status device code, one character or a number
                      (default ')'; '(' with firmware 1.0.27 is also accepted
                      by the tool)
  --firmware M.m.b    firmware version (default 2.1.300)
  --flags N           the status flag byte as a number: bit 0 SD card
                      inserted, bit 1 logging, bit 3 network configuration
                      permitted (default 0x09)
  --sd, --no-sd       SD card inserted, or not (--flags and the named flags
                      apply in the order given)
  --logging           the unit is logging: a setting upload that changes the
                      record settings is refused with code 103
  --no-network-config network configuration is not permitted (plain TCP
                      configuration is then refused by the tool)
  --account ID:PW     accept this login as well as the accounts in use in
                      the setting's access block (default: kovan / kovan);
                      may be given more than once
  --mac XX-XX-XX-XX-XX-XX  MAC address (default 02-51-4E-70-47-01)
  --sd-free BYTES     free SD card capacity (default 8053063680); a real
                      such as nan, -1 or 1e300 plays a card that reports
                      nonsense
  --journal FILE      append one line per request received: time, link,
                      operation, object, length, outcome

Faults:
  --refuse-login      refuse every login (plain and encrypted links); a
                      wrong password is refused without this, as by a unit
  --refuse-put CODE[:TEXT]  refuse every put with this result code (2-255)
                      and text, e.g. 3, or '101:<VOL_MAR><IO><AI><AI1>'
  --alter-after-put PATH=VALUE  after every accepted put of the setting,
                      set the value at the element path on the unit's side,
                      e.g. '<VOL_MAR><SYSTEM><NAME1>=Plant 2'
  --processing N      answer each serial result query "still processing" N
                      times after a put before the final answer
  --silent            never answer (serial), or acknowledge and then never
                      reply (TCP)
  --close-after-ack   TCP: acknowledge, then close instead of replying
  --close-instead-of-ack  TCP: close where the acknowledgement is due
  --nak-first N       serial: answer the first N frames with NAK
  --corrupt-block N   serial: send reply block N (counted from 0 over all
                      blocks sent) once with a wrong check value
  --garbage N         serial: send N bytes of line noise before each block
  --pace              serial: send at the line rate of 38400 baud 8N1
  --bad-complement N, --bad-terminator N, --bad-block-number N
                      serial: from reply block N on (counted as for
                      --corrupt-block) send every block with a wrong
                      complement, terminator or block number
  --negative-block N  serial: a reply of more blocks breaks off at its
                      block N (from 1) with a negative answer '*' (code 7)
  --no-eot            serial: acknowledge the last block of a put without
                      the EOT, and drop the put
  --status-length N   serial and plain TCP: send a status record of N bytes
                      (0-64) instead of 6
  --short-reply       plain TCP: send half an object, then close
  --refuse-hello      encrypted: refuse the handshake ('n')
  --bad-hello-code    encrypted: answer the handshake with a wrong code
  --odd-challenge     encrypted: send a challenge that is not 16 bytes
  --hello-without-status  encrypted: a handshake reply without part 1
  --oversize-get      encrypted: answer a get with more than 2 MiB
                      (TCP faults: give at most one)

SW1 on (the unit's text log on its USB port):
  --text-log FILE     the serial side writes the lines of FILE instead of
                      speaking the block protocol (what the tool sends is
                      ignored), for the terminal log
  --text-rate N       lines per second (default 10; 0: as fast as the line
                      takes them)
  --text-repeat       start again from the first line after the last

  --help              show this text
  --version           show the version

Result codes of refused requests: 3 failed to save, 4 bad request,
5 unknown object, 6 no SD card, 7 reply broken off, 101 unsupported setting
values (the text names the first), 102 setting data corruption, 103 logging
setting cannot change during logging.
)";

}  // namespace volmar::sim
