"""Runs the end-to-end scenarios against an installed program folder; run inside
dbus-run-session (scripts/e2e.sh does). Prints each scenario's time; a failure names
its step and leaves a screenshot and the accessibility tree in the printed folder."""

import argparse
import os
import sys
import time
import traceback

# The driver lives with the tests' shared support, the scenarios in tests/e2e.
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path[:0] = [HERE, os.path.join(HERE, "..", "..", "e2e")]

import scenarios  # noqa: E402
from support import Session, StepFailed  # noqa: E402


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True, help="the installed program folder")
    parser.add_argument("--cli", required=True, help="corvane38-cli of the same build")
    parser.add_argument("--work", required=True, help="a scratch folder for files and shots")
    parser.add_argument("only", nargs="*", help="names of the scenarios to run")
    args = parser.parse_args()
    shots = os.path.join(args.work, "screenshots")
    session = Session(args.program, shots)
    world = scenarios.World(session, args.program, args.cli, args.work)
    failed = []
    started = time.monotonic()
    try:
        session.start()
        for scenario in [s for s in scenarios.ALL if not args.only or s.__name__ in args.only]:
            began, world.step, result = time.monotonic(), "start", "ok"
            try:
                scenario(world)
            except Exception as error:  # noqa: BLE001 -- report every kind of failure
                failed.append(scenario.__name__)
                result = "FAILED"
                print("%s FAILED at step %r: %s" % (scenario.__name__, world.step, error))
                if not isinstance(error, StepFailed):
                    traceback.print_exc()
                print("  screenshot: %s" % session.screenshot(scenario.__name__))
                print("  accessibility tree: %s" % world.dump_tree(scenario.__name__))
                world.recover()
            print("%-28s %-6s %5.1f s" % (scenario.__name__, result, time.monotonic() - began),
                  flush=True)
    finally:
        session.stop()
    print("e2e: %d failed, %.1f s in all" % (len(failed), time.monotonic() - started))
    if failed:
        print("screenshots of the failures: " + shots)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
