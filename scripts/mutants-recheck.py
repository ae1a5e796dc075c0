#!/usr/bin/env python3
"""Plant again each survivor a mutation run listed, against the tree as it is now.

  python3 scripts/mutants-recheck.py RUN.log "BUILD COMMAND" "TEST COMMAND"

RUN.log holds the mutation tool's lines "SURVIVED file:line: old  ->  new". Each line
is looked for near where it was (lines move as tests and code change); one that
changed is reported GONE, one judged equivalent since (tests/mutants-equivalent.txt)
LISTED, the others killed or SURVIVED. Run it in a clean clone, like the tool: it
edits files in place and restores them from git at the end.
"""
import os, re, signal, subprocess, sys
log, build, test = sys.argv[1], sys.argv[2], sys.argv[3]
listed = set()
if os.path.exists('tests/mutants-equivalent.txt'):
    for entry in open('tests/mutants-equivalent.txt'):
        parts = entry.rstrip('\n').split('\t')
        if len(parts) >= 4 and not entry.startswith('#'):
            listed.add((parts[0], parts[1].strip(), parts[2].strip()))
def run(cmd, t):
    p = subprocess.Popen(cmd, shell=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
    try: return p.wait(timeout=t)
    except subprocess.TimeoutExpired:
        os.killpg(p.pid, signal.SIGKILL); p.wait(); return 'timeout'
touched = set()
for line in open(log):
    m = re.match(r'SURVIVED (\S+?):(\d+): (.*?)  ->  (.*)$', line.rstrip('\n'))
    if not m: continue
    path, no, old, new = m.group(1), int(m.group(2)), m.group(3), m.group(4)
    if (path, old, '*') in listed or (path, old, new) in listed:
        print('LISTED', path, no, old, flush=True); continue
    text = open(path).read().split('\n')
    idx = [i for i, l in enumerate(text) if l.strip() == old]
    if not idx:
        print('GONE', path, no, old, flush=True); continue
    i = min(idx, key=lambda k: abs(k - (no - 1)))
    touched.add(path)
    orig = text[i]
    lead = orig[:len(orig) - len(orig.lstrip())]
    text[i] = lead + new
    open(path, 'w').write('\n'.join(text))
    try:
        if run(build, 900) != 0: print('NOCOMPILE', path, no, new, flush=True); continue
        rc = run(test, 300)
        print(('SURVIVED' if rc == 0 else 'killed'), '%s:%d: %s  ->  %s' % (path, no, old, new), flush=True)
    finally:
        text[i] = orig
        open(path, 'w').write('\n'.join(text))
if touched:
    subprocess.run(['git', 'checkout', '--'] + sorted(touched))
