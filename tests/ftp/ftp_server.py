#!/usr/bin/env python3
"""A loopback FTP server for the upload tests and the benchmark.

Prints "PORT <n>" once it listens on 127.0.0.1, then serves until killed.
  --home DIR --user NAME --password WORD   one account, full rights in DIR
  --no-active       PORT and EPRT are refused, as behind a home router
  --cut-after N     the data connection is closed after N bytes of a file
  --stall-after N   the server stops answering after N bytes of a file
  --stall-on CMD    the server prints "STALLED" and stops answering when the
                    client sends CMD (e.g. STOR)
"""
import argparse
import logging
import sys
import time

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import DTPHandler, FTPHandler
from pyftpdlib.servers import FTPServer


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--home", required=True)
    parser.add_argument("--user", required=True)
    parser.add_argument("--password", required=True)
    parser.add_argument("--no-active", action="store_true")
    parser.add_argument("--cut-after", type=int, default=0)
    parser.add_argument("--stall-after", type=int, default=0)
    parser.add_argument("--stall-on", default="")
    args = parser.parse_args()

    logging.basicConfig(level=logging.ERROR)
    authorizer = DummyAuthorizer()
    authorizer.add_user(args.user, args.password, args.home, perm="elradfmwMT")

    class Handler(FTPHandler):
        def ftp_PORT(self, line):
            if args.no_active:
                self.respond("502 Active mode is not allowed here.")
            else:
                FTPHandler.ftp_PORT(self, line)

        def ftp_EPRT(self, line):
            if args.no_active:
                self.respond("502 Active mode is not allowed here.")
            else:
                FTPHandler.ftp_EPRT(self, line)

    class StallingHandler(Handler):
        def pre_process_command(self, line, cmd, arg):
            if cmd == args.stall_on:
                print("STALLED", flush=True)
                time.sleep(3600)
            Handler.pre_process_command(self, line, cmd, arg)

    class CuttingDTP(DTPHandler):
        def handle_read(self):
            DTPHandler.handle_read(self)
            if not self._closed and self.tot_bytes_received >= args.cut_after:
                self._resp = ("426 Data connection closed by the server.", logging.info)
                self.close()

        handle_read_event = handle_read

    class StallingDTP(DTPHandler):
        def handle_read(self):
            DTPHandler.handle_read(self)
            if self.tot_bytes_received >= args.stall_after:
                time.sleep(3600)

        handle_read_event = handle_read

    Handler.authorizer = authorizer
    if args.cut_after > 0:
        Handler.dtp_handler = CuttingDTP
    if args.stall_after > 0:
        Handler.dtp_handler = StallingDTP
    server = FTPServer(("127.0.0.1", 0), StallingHandler if args.stall_on else Handler)
    print("PORT %d" % server.address[1], flush=True)
    server.serve_forever()


if __name__ == "__main__":
    sys.exit(main())
