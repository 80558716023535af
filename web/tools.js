// The player's tools under "更多": tolerance, per-condition counts, the history check, saved
// schemes and condition files, copying and downloading the result. The history check and the
// condition files run in the tools module, loaded on first use.
import { openTools } from './core.js';
import { fileSource, readText } from './files.js';

const $ = (id) => document.getElementById(id);
const SCHEMES_KEY = 'shrink2d.schemes';

function cell(row, tag, text) {
  const node = document.createElement(tag);
  node.textContent = text;
  row.append(node);
  return node;
}

// The share with one decimal, rounded half up, as the command line's report writes it.
function percentage(part, whole) {
  if (whole === 0) return '0.0';
  const tenths = Math.floor((part * 2000 + whole) / (2 * whole));
  return `${Math.floor(tenths / 10)}.${tenths % 10}`;
}

function download(name, text, type) {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([text], { type }));
  link.download = name;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 1000);
}

export function setupTools(page) {
  const { core, data } = page;
  const captionOf = Object.fromEntries(data.groups.map((g) => [g.key, g.caption]));

  // 容错
  $('tolerance').addEventListener('change', () => {
    page.setTolerance(Number($('tolerance').value));
    refreshStats();
  });

  // 条件统计: recounted whenever the list or a condition changes, at most once a frame.
  let statsQueued = false;
  function refreshStats() {
    if (statsQueued) return;
    statsQueued = true;
    requestAnimationFrame(() => {
      statsQueued = false;
      const settings = page.settings();
      const body = $('stats').tBodies[0];
      const result = core.stats(page.list(), settings);
      body.replaceChildren();
      if (result.unreadable) {
        $('stats-message').textContent = `无法统计：${result.unreadable.message}`;
        $('stats-in').textContent = '';
        $('stats-out').textContent = '';
        return;
      }
      $('stats-message').textContent = '';
      data.groups.forEach((group, g) => {
        if (settings.boxes[g] === 0) return;
        const row = document.createElement('tr');
        cell(row, 'th', group.caption).scope = 'row';
        cell(row, 'td', String(result.rows[group.key]));
        body.append(row);
      });
      $('stats-in').textContent = String(result.in);
      $('stats-out').textContent = String(result.out);
    });
  }
  page.onChange(refreshStats);
  refreshStats();

  // 历史验证
  $('draws-file').addEventListener('change', async () => {
    const file = $('draws-file').files[0];
    if (!file) return;
    const text = await readText(file);
    $('draws-file').value = '';
    if (text === null) {
      $('history-message').textContent = (await openTools()).notText(fileSource(file));
      return;
    }
    $('draws').value = text;
    $('draws').dataset.source = fileSource(file);
    $('history-message').textContent = '';
  });
  $('draws').addEventListener('input', () => { delete $('draws').dataset.source; });
  $('check-history').addEventListener('click', async () => {
    const tools = await openTools();
    const [first, second] = page.digits();
    const last = Math.max(0, Math.floor(Number($('last').value) || 0));
    const report = tools.history($('draws').value, $('draws').dataset.source ?? '开奖号码', last,
      page.settings(), first, second);
    if (report.error) {
      $('history-message').textContent = report.error;
      $('history-result').hidden = true;
      return;
    }
    $('history-message').textContent = '';
    showHistory(report);
  });

  // The strip is one tab stop; the arrow keys, Home and End move along it.
  $('strip').addEventListener('keydown', (event) => {
    const cells = [...$('strip').children];
    const at = cells.indexOf(document.activeElement);
    const to = { ArrowLeft: at - 1, ArrowRight: at + 1, Home: 0, End: cells.length - 1 }[event.key];
    if (at < 0 || to === undefined || !cells[to]) return;
    event.preventDefault();
    cells[at].tabIndex = -1;
    cells[to].tabIndex = 0;
    cells[to].focus();
  });

  function rejectedText(keys) {
    return keys.length === 0 ? '无' : keys.map((key) => captionOf[key]).join('、');
  }

  function showHistory(report) {
    const { summary } = report;
    const figures = [
      ['期数', summary.draws], ['命中', summary.kept],
      ['命中率', `${percentage(summary.kept, summary.draws)}%`],
      ['最长连错', summary.longest_miss_run], ['当前连错', summary.current_miss_run],
      ['每期注数', summary.numbers_per_draw],
    ];
    $('history-summary').replaceChildren(...figures.map(([term, value]) => {
      const pair = document.createElement('div');
      const dt = document.createElement('dt');
      dt.textContent = term;
      const dd = document.createElement('dd');
      dd.textContent = String(value);
      dd.dataset.term = term;
      pair.append(dt, dd);
      return pair;
    }));
    const strip = $('strip');
    const body = $('history-table').tBodies[0];
    strip.replaceChildren();
    body.replaceChildren();
    for (const draw of report.draws) {
      const words = `${draw.issue ?? `第${draw.line}行`} ${draw.number} ` +
        `${draw.kept ? '中' : '错'}，被去掉：${rejectedText(draw.rejected_by)}`;
      const mark = document.createElement('button');
      mark.type = 'button';
      mark.className = draw.kept ? 'kept' : 'missed';
      mark.title = words;
      mark.setAttribute('aria-label', words);
      const show = () => { $('strip-detail').textContent = words; };
      mark.addEventListener('mouseenter', show);
      mark.addEventListener('focus', show);
      mark.addEventListener('click', show);
      mark.tabIndex = strip.childElementCount === 0 ? 0 : -1;
      strip.append(mark);
      const row = document.createElement('tr');
      row.className = draw.kept ? 'kept' : 'missed';
      cell(row, 'td', String(draw.line));
      cell(row, 'td', draw.issue ?? '');
      cell(row, 'td', draw.number);
      cell(row, 'td', draw.kept ? '中' : '错');
      cell(row, 'td', rejectedText(draw.rejected_by));
      body.append(row);
    }
    $('strip-detail').textContent = '';
    $('history-result').hidden = false;
  }

  // 方案: kept in local storage as condition files, the command line's format.
  function schemes() {
    try {
      return JSON.parse(localStorage.getItem(SCHEMES_KEY) ?? '{}');
    } catch {
      return {};
    }
  }
  function listSchemes(selected) {
    const names = Object.keys(schemes()).sort();
    $('scheme-list').replaceChildren(...names.map((name) => new Option(name, name)));
    if (selected !== undefined) $('scheme-list').value = selected;
  }
  function say(text) { $('scheme-message').textContent = text; }
  // Sets the conditions a condition file holds; source names it in a message.
  async function applyFile(content, source) {
    const tools = await openTools();
    const read = tools.readConditions(content);
    if (read.error) {
      say(`${source}：${read.error}`);
      return false;
    }
    page.applySettings(read);
    $('tolerance').value = String(read.tolerance);
    return true;
  }
  $('scheme-save').addEventListener('click', async () => {
    const name = $('scheme-name').value.trim();
    if (!name) {
      say('请先输入方案名');
      return;
    }
    const tools = await openTools();
    const all = schemes();
    all[name] = tools.writeConditions(page.settings());
    try {
      localStorage.setItem(SCHEMES_KEY, JSON.stringify(all));
    } catch {
      say('无法保存：浏览器不允许本网页保存数据（可改用“下载方案文件”）');
      return;
    }
    listSchemes(name);
    say(`已保存方案“${name}”`);
  });
  $('scheme-load').addEventListener('click', async () => {
    const name = $('scheme-list').value;
    const content = schemes()[name];
    if (content === undefined) return;
    if (await applyFile(content, `方案“${name}”`)) say(`已载入方案“${name}”`);
  });
  $('scheme-delete').addEventListener('click', () => {
    const name = $('scheme-list').value;
    const all = schemes();
    if (!(name in all)) return;
    delete all[name];
    try {
      localStorage.setItem(SCHEMES_KEY, JSON.stringify(all));
    } catch {
      say('无法删除：浏览器不允许本网页保存数据');
      return;
    }
    listSchemes();
    say(`已删除方案“${name}”`);
  });
  $('scheme-download').addEventListener('click', async () => {
    const tools = await openTools();
    const name = $('scheme-name').value.trim() || 'conditions';
    download(`${name}.json`, tools.writeConditions(page.settings()), 'application/json');
  });
  $('scheme-file').addEventListener('change', async () => {
    const file = $('scheme-file').files[0];
    if (!file) return;
    $('scheme-file').value = '';
    const text = await readText(file);
    if (text === null) {
      say((await openTools()).notText(fileSource(file)));
      return;
    }
    if (await applyFile(text, fileSource(file))) say(`已打开方案文件“${file.name}”`);
  });
  listSchemes();

  // 复制结果, 下载
  $('copy-result').addEventListener('click', async () => {
    try {
      await navigator.clipboard.writeText(page.list());
      $('result-message').textContent = '结果已复制';
    } catch {
      $('result-message').textContent = '无法复制：请在结果框中全选后复制';
    }
  });
  $('download-result').addEventListener('click', () => {
    download('shrink2d.txt', page.list(), 'text/plain;charset=utf-8');
  });
}
